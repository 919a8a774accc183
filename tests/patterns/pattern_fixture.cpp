#include "pattern_fixture.h"

#include "mainwindow/frm_main.h"
#include "window_state.h"

namespace lumbrix::test {

PatternDialogTest::PatternDialogTest() {
    std::filesystem::create_directories(patterns());
    main().mnuAutoFit.setChecked(false);
    main().lblValitudProfiil.setCaption("LUMBRIX");
}

void PatternDialogTest::buildPattern() {
    frmMain& m = main();
    for (int i = 0; i < 3; ++i)
        m.lstSyda.addItem(test::boardRow("50.000x150.00", "52.000x156.00", 0.039, "247.8"));
    m.lstKylgVasak.addItem(test::boardRow("22.000x100.00", "24.000x104.00", 0.012, "180.0"));
    m.lstSeimerYleval.addItem(test::boardRow("25.000x75.000", "27.000x79.000", 0.010, "150.0"));
    m.lstSeimerYleval.addItem(test::boardRow("25.000x75.000", "27.000x79.000", 0.010, "150.0"));
    m.txtPalk.setText("200");
    m.txtKoone.setText("5");
    m.txtPikkus.setText("4900");
    m.Joonista_palk();
    m.uuenda_materjalid();
}

void PatternDialogTest::buildFullPattern() {
    fillFullPattern(main());
}

void PatternDialogTest::saveWith(const std::function<void(frmSalvestaUusKava&)>& script) {
    desktop.onNextModal([script](Form& f) { script(static_cast<frmSalvestaUusKava&>(f)); });
    main().cmdSalvestaUusKava.press();
}

void PatternDialogTest::saveAs(const std::string& name) {
    saveWith([name](frmSalvestaUusKava& d) {
        if (!name.empty()) d.txtfailinimi.setText(name);
        d.cmdSave.press();
    });
}

void PatternDialogTest::openWith(const std::function<void(frmAvaKava&)>& script) {
    desktop.onNextModal([script](Form& f) { script(static_cast<frmAvaKava&>(f)); });
    main().cmdAvaKava.press();
}

void PatternDialogTest::openFile(const std::string& file) {
    openWith([file](frmAvaKava& d) {
        d.File1.setFileName(file);
        d.cmdAvaKava.press();
    });
}

void PatternDialogTest::expectMessage(const std::string& text, const std::string& title,
                                      int style) {
    EXPECT_EQ(desktop.lastMessage().text, text);
    EXPECT_EQ(desktop.lastMessage().title, title);
    EXPECT_EQ(desktop.lastMessage().style, style);
}

std::string PatternDialogTest::screen() {
    return patternScreen(main(), false);
}

std::string damagedNotesBox(const std::filesystem::path& notes, const std::filesystem::path& keptAs,
                            bool estonian) {
    const std::string folder = notes.parent_path().string();
    if (estonian) {
        return "Märkmete fail " + notes.string() +
               " on vigane. See ei ole RTF-vormingus tekst: Vigane failivorming.\nKava avati "
               "tühjade märkmetega. " +
               (keptAs.empty() ? "Vigane fail on jäetud nii, nagu see on: sellest ei saanud "
                                 "koopiat teha, sest kausta " +
                                     folder +
                                     " ei saa kirjutada. Kuna kausta ei saa kirjutada, ei saa "
                                     "sinna ka midagi selle faili asemele salvestada."
                               : "Vigane fail on alles hoitud nimega " + keptAs.string() + ".");
    }
    return "The notes file " + notes.string() +
           " is damaged. It is not rich text (RTF): Invalid file format: the file is not an RTF "
           "document.\nThe pattern is opened with empty notes. " +
           (keptAs.empty() ? "The damaged file is left as it is: it could not be copied, because "
                             "the folder " +
                                 folder +
                                 " cannot be written. As the folder cannot be written, nothing "
                                 "can be saved over the file there."
                           : "The damaged file is kept as " + keptAs.string() + ".");
}

}  // namespace lumbrix::test
