#include "localisation/dialog_captions.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calculation/frm_soovita.h"
#include "localisation/language_file.h"
#include "localisation/main_caption_table.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_profiil.h"
#include "millsettings/frm_seaded.h"
#include "patterns/frm_arvutused.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_salvesta_uus_kava.h"

namespace lumbrix {
namespace {

using test::LocalisationTest;

// A window that holds one label for every target of a table, so every table can be run
// before its dialog exists.
class TableDialog : public Form {
  public:
    explicit TableDialog(const DialogCaptionTable& table) : Form("frmTable") {
        for (const DialogCaptionRow& row : table.rows) {
            if (row.kind != DialogTarget::WindowCaption)
                labels.push_back(std::make_unique<Label>(*this, row.target));
        }
    }
    std::vector<std::unique_ptr<Label>> labels;
};

const Menu* mainMenu(frmMain& m, const char* name) {
    return m.findMenu(name);
}

// What row `row` must show on `dialog` when every key of the file holds "section/key".
std::string expectedText(frmMain& m, const DialogCaptionTable& table, const DialogCaptionRow& row) {
    switch (row.kind) {
        case DialogTarget::CopyMainControl:
            return m.findControl(row.source)->caption();
        case DialogTarget::CopyMainMenu:
            return mainMenu(m, row.source)->caption();
        case DialogTarget::PatternName:
            return "  UNNAMED";
        default:
            return std::string(table.section) + "/" + row.key;
    }
}

std::string shownOn(const Form& dialog, const DialogCaptionRow& row) {
    if (row.kind == DialogTarget::WindowCaption) return dialog.caption();
    if (const Menu* item = dialog.findMenu(row.target)) return item->caption();
    const Control* c = dialog.findControl(row.target);
    EXPECT_NE(c, nullptr) << dialog.name() << " has no " << row.target;
    return c ? c->caption() : "<none>";
}

class DialogCaptionsTest : public LocalisationTest {
  protected:
    DialogCaptionsTest() {
        std::string text;
        for (const DialogCaptionTable* table : dialogcaptions::kAll) {
            text += std::string("[") + table->section + "]\n";
            for (const DialogCaptionRow& row : table->rows) {
                if (row.key)
                    text += std::string(row.key) + "=" + table->section + "/" + row.key + "\n";
            }
        }
        writeLanguage("all.keel", text);
        main().lblValitudKeel.setCaption("all.keel");
    }
    frmMain& main() { return app->window<frmMain>(); }

    // Every row of `table` shows its own text on `dialog`.
    void expectEveryRowShown(const Form& dialog, const DialogCaptionTable& table) {
        for (const DialogCaptionRow& row : table.rows) {
            std::string expected = expectedText(main(), table, row);
            if (row.kind == DialogTarget::WindowCaption && table.prefixedWindowCaption)
                expected = "LUMBRIX - " + expected;
            EXPECT_EQ(shownOn(dialog, row), expected) << table.section << " " << row.target;
        }
    }
};

// Each dialog, loaded with a shipped file, shows on each control the text written here by hand
// for it: a row that puts its text on the wrong control or reads the wrong key shows another.
TEST_F(DialogCaptionsTest, TheShippedFilesPutEachTextOnItsControl) {
    folder.copyShippedData();
    struct Case {
        const char* control;  // "" for the window's own caption
        const char* english;
        const char* estonian;
    };
    struct Dialog {
        std::function<Form&()> load;
        std::vector<Case> cases;
    };
    const std::vector<Dialog> dialogs = {
        {[this]() -> Form& { return app->window<frmSeaded>(); },
         {{"", "LUMBRIX - Settings", "LUMBRIX - Seaded"},
          {"cmdOK", "Close", "Sulge"},
          {"cmdSalvesta", "Save", "Salvesta"},
          {"lblSeadedLabelAmordikulu", "Depreciation, EUR/m3", "Amortisatsioon, EUR/m3"},
          {"lblKuisedAmordikuludKokkuCaption", "Monthly depreciation, EUR",
           "Amortisatsioon kuus, EUR"},
          {"cmdLogPrice", "Log prices", "Palgihinnad"}}},
        {[this]() -> Form& { return app->window<frmPalgiHinnad>(); },
         {{"", "LUMBRIX - Log prices", "LUMBRIX - Palgihinnad"},
          {"cmdTagasi", "Exit", "Välju"},
          {"cmdMuuda", "Change", "Muuda"},
          {"lblPalgihinnadLabelPalgiTasku", "Log pocket", "Palgitasku"}}},
        {[this]() -> Form& { return app->window<frmArvutused>(); },
         {{"", "LUMBRIX - Calculations", "LUMBRIX - Arvutused"},
          {"lblArvutusedlblAmortkulu", "Depreciation, EUR/m3", "Amortisatsioon, EUR/m3"},
          {"lblSaekavanimi", "  UNNAMED", "  NIMETU"}}},
        {[this]() -> Form& { return app->window<frmProfiil>(); },
         {{"", "Profiles", "Profiilid"}, {"cmdLae", "Load", "Lae"}}},
        {[this]() -> Form& { return app->window<frmAvaKava>(); },
         {{"", "LUMBRIX - Open pattern", "LUMBRIX - Ava saekava"},
          {"cmdTyhista", "Cancel", "Tühista"}}},
        {[this]() -> Form& { return app->window<frmSalvestaUusKava>(); },
         {{"cmdSave", "Save", "Salvesta"}, {"cmdTagasi", "Back", "Tagasi"}}},
        {[this]() -> Form& { return app->window<frmSoovita>(); },
         {{"", "LUMBRIX - Material suggestion", "LUMBRIX - Materjali soovitamine"},
          {"cmdJoonistaKava", "&Show pattern", "&Näita kava"}}},
    };
    for (const char* language : {"english.keel", "eesti.keel"}) {
        const bool english = std::string(language) == "english.keel";
        app = std::make_unique<Application>(desktop, folder.path());
        applyLanguageFile(*app, folder / "language", language);
        for (const Dialog& d : dialogs) {
            Form& dialog = d.load();
            for (const Case& c : d.cases) {
                const std::string shown = *c.control == '\0'
                                              ? dialog.caption()
                                              : dialog.findControl(c.control)->caption();
                EXPECT_EQ(shown, english ? c.english : c.estonian)
                    << language << " " << dialog.name() << "." << c.control;
            }
            dialog.unload();
        }
    }
}

TEST_F(DialogCaptionsTest, AMissingSectionShowsZeroButTheCopiesStillFollowTheMainWindow) {
    writeLanguage("empty.keel", "[KK]\ncmdSobita=Fit\n");
    main().lblValitudKeel.setCaption("empty.keel");
    main().cmdPalgiHinnad.setCaption("Palgihinnad");
    for (const DialogCaptionTable* table : dialogcaptions::kAll) {
        TableDialog dialog(*table);
        loadDialogCaptions(*app, dialog, *table);
        for (const DialogCaptionRow& row : table->rows) {
            std::string expected = row.key ? "0" : expectedText(main(), *table, row);
            if (row.kind == DialogTarget::WindowCaption && table->prefixedWindowCaption)
                expected = "LUMBRIX - 0";
            EXPECT_EQ(shownOn(dialog, row), expected) << table->section << " " << row.target;
        }
    }
}

TEST_F(DialogCaptionsTest, TheReportNamesAnUnnamedPatternInTheMessageLanguage) {
    struct Case {
        const char* language;
        const char* name;
        const char* shown;
    };
    const Case cases[] = {
        {"english.keel", "", "  UNNAMED"},    {"eesti.keel", " ", "  NIMETU"},
        {"Eesti.keel", "", "  UNNAMED"},      {"eesti.keel", "ab", "ab"},
        {"english.keel", "Kava 7", "Kava 7"},
    };
    for (const Case& c : cases) {
        main().lblValitudKeel.setCaption(c.language);
        main().lblSaekavanimi.setCaption(c.name);
        TableDialog dialog(dialogcaptions::kArvutused);
        loadDialogCaptions(*app, dialog, dialogcaptions::kArvutused);
        EXPECT_EQ(dialog.findControl("lblSaekavanimi")->caption(), c.shown) << c.language;
        EXPECT_EQ(dialog.caption(), "0") << "the report's caption has no prefix";
    }
}

TEST_F(DialogCaptionsTest, AnUnreadableFileIsNamedAndTheDialogKeepsItsOwnTexts) {
    constexpr char kBinary[] =
        "[SE]\0\0\x01"
        "cmdOKCaption=x\n";
    writeLanguage("binary.keel", std::string(kBinary, sizeof kBinary - 1));
    main().lblValitudKeel.setCaption("binary.keel");
    desktop.expectMessage(MsgResult::Ok);
    frmSeaded& settings = app->window<frmSeaded>();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_NE(desktop.lastMessage().text.find("binary.keel"), std::string::npos);
    EXPECT_EQ(settings.cmdLogPrice.caption(), main().cmdPalgiHinnad.caption());
    for (const DialogCaptionRow& row : dialogcaptions::kSeaded.rows)
        EXPECT_NE(shownOn(settings, row), "0") << row.target;
    EXPECT_NE(settings.caption(), "LUMBRIX - 0");
}

// Every dialog loads its captions as it loads.
TEST_F(DialogCaptionsTest, TheDialogsTakeTheirCaptionsWhenTheyLoad) {
    folder.copyShippedData();
    main().mnuProgramExit.setCaption("Välju");
    const auto check = [this](Form& dialog, const DialogCaptionTable& table) {
        expectEveryRowShown(dialog, table);
        dialog.unload();
    };
    check(app->window<frmAvaKava>(), dialogcaptions::kAvaKava);
    check(app->window<frmSalvestaUusKava>(), dialogcaptions::kSalvestaUusKava);
    check(app->window<frmPalgiHinnad>(), dialogcaptions::kPalgiHinnad);
    check(app->window<frmProfiil>(), dialogcaptions::kProfiil);
    check(app->window<frmArvutused>(), dialogcaptions::kArvutused);
    check(app->window<frmSoovita>(), dialogcaptions::kSoovita);
    check(app->window<frmSeaded>(), dialogcaptions::kSeaded);
}

}  // namespace
}  // namespace lumbrix
