// The profiles dialog: saving the current profile and saving it as a new one, using a profile
// (and making it the default), deleting one, and the names that cannot become folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "millsettings/frm_profiil.h"
#include "platform/ini_file.h"
#include "store/saved_list.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

class ProfilesDialog : public test::MainWindowTest {
  protected:
    void SetUp() override {
        main().lblValitudProfiil.setCaption("Mill1");
        main().Lauatyyp = "Syda";
        folder.writeFile("database/Mill1.set", "[PROFIIL]\r\nNIMI=Mill1\r\n");
        folder.writeFile("database/Mill1/settings", "[SEADED]\r\nKuineTootmismaht=100\r\n");
    }
    frmProfiil& profiles() { return app->window<frmProfiil>(); }
    // Clicks the profile file `file` in the dialog's list.
    void click(frmProfiil& p, const std::string& file) {
        p.Filelist.refresh();
        for (int i = 0; i < p.Filelist.listCount(); ++i) {
            if (p.Filelist.list(i) == file) return p.Filelist.setListIndex(i);
        }
        ADD_FAILURE() << file << " is not listed";
    }
};

TEST_F(ProfilesDialog, SaveAsWritesTheMarkerAndAllSettingsWhileTheCurrentProfileStays) {
    store().lblArvutaTaiskant = "1";
    desktop.onNextModal([](Form& form) {
        auto& p = static_cast<frmProfiil&>(form);
        EXPECT_TRUE(p.fraUusProfiil.visible());
        EXPECT_EQ(p.txtUueProfiiliNimi.text(), "");
        p.txtUueProfiiliNimi.setText("Line2");
        p.cmdSalvesta.press();
        EXPECT_FALSE(p.fraUusProfiil.visible());
        EXPECT_EQ(p.Filelist.rows(), (std::vector<std::string>{"Line2.set", "Mill1.set"}));
        p.cmdTagasi.press();
    });
    main().mnusalvestaprofiilkui.click();

    EXPECT_EQ(folder.readFile("database/Line2.set"), "[PROFIIL]\r\nNIMI=Line2\r\n");
    const ProfileEntries written = readProfileSection(folder / "database/Line2/settings", "SEADED");
    const ProfileEntries expected = {
        {"KappimineSydMat", "100"},
        {"KappimineLauad", "100"},
        {"PalgiMoodul", "300"},
        {"Palgimahukoefitsent", "0.95"},
        {"KuisedPysikuludKokku", "1000"},
        {"KuisedAmordikuludKokku", "500"},
        {"CE", "2000"},
        {"YhikuMuutuvkulud", "20"},
        {"KuineTootmismaht", "100"},
        {"Ketas1saag", "5"},
        {"Ketas2saag", "4"},
        {"KetasSeimer", "5"},
        {"KetasTrimmer", "5"},
        {"KoefitsentHake", "2.4"},
        {"KoefitsentPuru", "3.4"},
        {"KoefitsentKoor", "3.4"},
        {"KoefitsentKoorPalgist", "0.08"},
        {"Hakehind", "10"},
        {"saepuruHind", "5"},
        {"KoorHind", "2"},
        {"Salvestatud", "14.03.2026 10:20:30"},
        {"ArvutaTaiskant", "1"},
    };
    EXPECT_EQ(written, expected);
    EXPECT_EQ(main().lblValitudProfiil.caption(), "Mill1");
    EXPECT_FALSE(app->isLoaded<frmProfiil>());

    // Using Line2 loads its settings and its empty price and product lists. Without centre
    // boards nothing is recomputed: the pattern's header stays as typed.
    main().txtKavaKoostaja.setText("typed");
    frmProfiil& p = profiles();
    click(p, "Line2.set");
    EXPECT_EQ(p.caption(), "Line2");
    EXPECT_EQ(p.chkMaaraVaikimisiProfiiliks.value(), checkstate::kUnchecked);
    p.cmdLae.press();
    EXPECT_EQ(main().lblValitudProfiil.caption(), "Line2");
    EXPECT_EQ(main().lstPalgiHinnad.listCount(), 0);
    EXPECT_EQ(store().txtKuluTootmine, "30");
    EXPECT_EQ(main().txtKavaKoostaja.text(), "typed");
    EXPECT_FALSE(app->isLoaded<frmProfiil>());
}

TEST_F(ProfilesDialog, SavingTheCurrentProfileFromTheMenuNeedsNoShownDialog) {
    main().lblValitudProfiil.setCaption("Loaded");  // a profile the loader created: no marker
    fs::create_directories(folder / "database/Loaded");
    main().mnusalvestaprofiil.click();
    EXPECT_EQ(folder.readFile("database/Loaded.set"), "[PROFIIL]\r\nNIMI=Loaded\r\n");
    EXPECT_EQ(readProfileString(folder / "database/Loaded/settings", "SEADED", "CE", "-"), "2000");
    EXPECT_TRUE(desktop.modalWindowsShown().empty());
    EXPECT_FALSE(app->isLoaded<frmProfiil>());
}

TEST_F(ProfilesDialog, UseStoresTheDefaultOnlyWhenAskedAndRecomputesAShownPattern) {
    folder.writeFile("database/Line2.set", "[PROFIIL]\r\nNIMI=Line2\r\n");
    folder.writeFile("database/Line2/settings",
                     "[SEADED]\r\nKuisedPysikuludKokku=2000\r\nKuisedAmordikuludKokku=500\r\n"
                     "YhikuMuutuvkulud=20\r\nKuineTootmismaht=100\r\n");
    for (const char* profile : {"Line2", "Mill1"})
        writeSavedList(folder / "database" / profile / "logprices", {"010 - 600  50.00  1"});
    main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    main().uuenda_materjalid();
    const std::string costsBefore = main().lblMuudkuludHind.caption();

    frmProfiil& p = profiles();
    click(p, "Line2.set");
    p.cmdLae.press();  // box unticked: no default stored
    EXPECT_EQ(app->userSettings().get("DefaultProfile", "none"), "none");
    EXPECT_NE(main().lblMuudkuludHind.caption(), costsBefore)
        << costsBefore;  // 30 + 5 became 40 + 5
    EXPECT_EQ(main().lstSyda.listCount(), 1);

    frmProfiil& again = profiles();
    click(again, "Mill1.set");
    EXPECT_EQ(again.chkMaaraVaikimisiProfiiliks.value(), checkstate::kUnchecked);
    again.chkMaaraVaikimisiProfiiliks.setValue(checkstate::kChecked);
    again.cmdLae.press();
    EXPECT_EQ(app->userSettings().get("DefaultProfile", "none"), "Mill1");
    EXPECT_EQ(main().lblValitudProfiil.caption(), "Mill1");

    // The current profile's box is ticked when it is clicked.
    frmProfiil& third = profiles();
    click(third, "Mill1.set");
    EXPECT_EQ(third.chkMaaraVaikimisiProfiiliks.value(), checkstate::kChecked);
}

TEST_F(ProfilesDialog, AMarkerWithoutANameShowsZeroAsTheCaption) {
    folder.writeFile("database/Odd.set", "[PROFIIL]\r\n");
    frmProfiil& p = profiles();
    EXPECT_FALSE(p.cmdKustuta.enabled());
    click(p, "Odd.set");
    EXPECT_EQ(p.caption(), "0");
    EXPECT_EQ(p.txtfailinimi.text(), "Odd");
    EXPECT_TRUE(p.cmdKustuta.enabled());
}

TEST_F(ProfilesDialog, DeleteAsksFirstAndRemovesTheMarkerTheFilesAndTheFolder) {
    writeSavedList(folder / "database/Mill1/logprices", {"010 - 600  50.00  1"});
    fs::create_directories(folder / "database/Empty");
    folder.writeFile("database/Empty.set", "[PROFIIL]\r\nNIMI=Empty\r\n");
    frmProfiil& p = profiles();

    click(p, "Mill1.set");
    desktop.expectMessage(MsgResult::No);
    p.cmdKustuta.press();
    EXPECT_EQ(desktop.lastMessage().text,
              "Delete the profile \"Mill1\" with its settings, log prices and products?");
    EXPECT_EQ(desktop.lastMessage().style, mb::kYesNo);
    EXPECT_TRUE(fs::exists(folder / "database/Mill1/logprices"));

    for (const char* name : {"Mill1", "Empty"}) {
        SCOPED_TRACE(name);
        click(p, std::string(name) + ".set");
        desktop.expectMessage(MsgResult::Yes);
        p.cmdKustuta.press();
        EXPECT_FALSE(fs::exists(folder / "database" / (std::string(name) + ".set")));
        EXPECT_FALSE(fs::exists(folder / "database" / name));
        EXPECT_EQ(p.txtfailinimi.text(), "");
        EXPECT_FALSE(p.cmdKustuta.enabled());
    }
    EXPECT_EQ(p.Filelist.listCount(), 0);
    EXPECT_EQ(main().lblValitudProfiil.caption(), "Mill1");  // the deleted profile stays current
    EXPECT_EQ(desktop.messages().size(), 3u);
}

TEST_F(ProfilesDialog, NamesThatCannotBeFoldersAreRefusedAndNothingIsCreatedOrDeleted) {
    frmProfiil& p = profiles();
    p.cmdUus.press();
    p.txtUueProfiiliNimi.setText("../x");
    desktop.expectMessage(MsgResult::Ok);
    p.cmdSalvesta.press();
    EXPECT_TRUE(desktop.lastMessage().text.starts_with("The name \"../x\" cannot be"));
    EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
    EXPECT_FALSE(fs::exists(folder / "x"));
    EXPECT_FALSE(fs::exists(folder / "x.set"));
    EXPECT_TRUE(p.fraUusProfiil.visible());

    // A listed marker whose name holds a backslash is neither used nor deleted.
    folder.writeFile("database/a\\b.set", "[PROFIIL]\r\nNIMI=a\\b\r\n");
    click(p, "a\\b.set");
    for (CommandButton* button : {&p.cmdLae, &p.cmdKustuta}) {
        desktop.expectMessage(MsgResult::Ok);
        button->press();
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
    }
    EXPECT_TRUE(fs::exists(folder / "database/a\\b.set"));
    EXPECT_EQ(main().lblValitudProfiil.caption(), "Mill1");
}

TEST_F(ProfilesDialog, SaveAsOntoAProfileThatExistsAsksBeforeReplacingItsSettings) {
    folder.writeFile("database/Line2.set", "[PROFIIL]\r\nNIMI=Line2\r\n");
    folder.writeFile("database/Line2/settings", "[SEADED]\r\nCE=1\r\n");
    fs::create_directories(folder / "database/Loaded");  // made by a load: no marker yet
    const struct {
        const char *name, *language;
        MsgResult answer;
        const char *question, *title, *ce;  // question nullptr: none asked
    } cases[] = {
        {"Line2", "english.keel", MsgResult::No,
         "The profile \"Line2\" already exists. Replace its settings?", "Replace?", "1"},
        {"Line2", "eesti.keel", MsgResult::Yes,
         "Profiil \"Line2\" on juba olemas. Kas asendame selle seaded?", "Asendame?", "2000"},
        {"Loaded", "english.keel", MsgResult::Yes,
         "The profile \"Loaded\" already exists. Replace its settings?", "Replace?", "2000"},
        {"Line3", "english.keel", MsgResult::Ok, nullptr, nullptr, "2000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.language);
        main().lblValitudKeel.setCaption(c.language);
        desktop.clearMessages();
        frmProfiil& p = profiles();
        p.cmdUus.press();
        p.txtUueProfiiliNimi.setText(c.name);
        if (c.question) desktop.expectMessage(c.answer);
        p.cmdSalvesta.press();
        if (c.question) {
            ASSERT_EQ(desktop.messages().size(), 1u);
            EXPECT_EQ(desktop.lastMessage().text, c.question);
            EXPECT_EQ(desktop.lastMessage().title, c.title);
            EXPECT_EQ(desktop.lastMessage().style, mb::kYesNo);
        } else {
            EXPECT_TRUE(desktop.messages().empty());
        }
        const fs::path settings = folder / "database" / c.name / "settings";
        EXPECT_EQ(readProfileString(settings, "SEADED", "CE", "-"), c.ce);
        EXPECT_EQ(p.fraUusProfiil.visible(), c.answer == MsgResult::No) << "kept for another name";
        p.unload();
    }
}

TEST_F(ProfilesDialog, AfterADeleteTheTitleNoLongerNamesTheDeletedProfile) {
    folder.writeFile("database/Line2.set", "[PROFIIL]\r\nNIMI=Line2\r\n");
    frmProfiil& p = profiles();
    const std::string title = p.caption();
    click(p, "Line2.set");
    ASSERT_EQ(p.caption(), "Line2");
    desktop.expectMessage(MsgResult::Yes);
    p.cmdKustuta.press();
    EXPECT_FALSE(fs::exists(folder / "database/Line2.set"));
    EXPECT_EQ(p.caption(), title);
}

TEST_F(ProfilesDialog, ARefusedNameIsRefusedForTheSameReasonInBothLanguages) {
    const struct {
        std::string name;
        const char *estonian, *english;
    } cases[] = {
        {"../x", "Nimes ei tohi olla märke \"/\" ega \"\\\".",
         "The name cannot contain \"/\" or \"\\\"."},
        {" Mill", "Nimi ei tohi alata ega lõppeda tühikuga.",
         "The name cannot begin or end with a blank."},
        {"Mill.SET", "Nimi ei tohi lõppeda laiendiga \".set\".",
         "The name cannot end in \".set\"."},
        {"..", "Nimi ei tohi olla \".\" ega \"..\".", "The name cannot be \".\" or \"..\"."},
        {"Mill\t1", "Nimes ei tohi olla juhtmärke.", "The name cannot contain control characters."},
    };
    frmProfiil& p = profiles();
    p.cmdUus.press();
    for (const auto& c : cases) {
        for (const bool estonian : {false, true}) {
            SCOPED_TRACE(c.name + (estonian ? " et" : " en"));
            main().lblValitudKeel.setCaption(estonian ? "eesti.keel" : "english.keel");
            p.txtUueProfiiliNimi.setText(c.name);
            desktop.expectMessage(MsgResult::Ok);
            p.cmdSalvesta.press();
            EXPECT_EQ(desktop.lastMessage().text,
                      estonian
                          ? "Nimi \"" + c.name + "\" ei sobi profiili nimeks. " + c.estonian
                          : "The name \"" + c.name + "\" cannot be a profile name. " + c.english);
        }
    }
    // The longest name a profile takes, and one character more.
    const std::string longest(64, 'p');
    p.txtUueProfiiliNimi.setMaxLength(0);
    p.txtUueProfiiliNimi.setText(longest + "p");
    main().lblValitudKeel.setCaption("eesti.keel");
    desktop.expectMessage(MsgResult::Ok);
    p.cmdSalvesta.press();
    EXPECT_TRUE(desktop.lastMessage().text.ends_with("Nimi ei tohi olla pikem kui 64 märki."))
        << desktop.lastMessage().text;
    p.txtUueProfiiliNimi.setText(longest);
    p.cmdSalvesta.press();
    EXPECT_TRUE(fs::exists(folder / "database" / (longest + ".set")));
}

TEST_F(ProfilesDialog, AFailedSaveIsReportedUnderTheSaveButtonsNameInTheProgramsLanguage) {
    const std::string marker = (folder / "database/Mill1.set").string();
    const struct {
        const char *language, *says;
        std::string file;  // what the box names ("" where the box names none)
    } cases[] = {
        {"english.keel", "61 - Disk full (", marker + ": No space left on device"},
        {"eesti.keel", "61 - Ketas on täis (", marker + ": kettal ei ole ruumi)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        main().lblValitudKeel.setCaption(c.language);
        test::FullDisk failing;
        ScopedFileSink sink(failing);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        main().mnusalvestaprofiil.click();
        ASSERT_EQ(desktop.messages().size(), 1u);
        const std::string& text = desktop.lastMessage().text;
        EXPECT_EQ(desktop.lastMessage().title, "frmProfiil\\cmdSalvesta");
        EXPECT_TRUE(text.starts_with(c.says)) << text;
        EXPECT_NE(text.find(c.file), std::string::npos) << text;
        EXPECT_EQ(folder.readFile("database/Mill1/settings"),
                  "[SEADED]\r\nKuineTootmismaht=100\r\n");
    }
}

TEST_F(ProfilesDialog, AProfileWhoseMarkerIsGoneBeforeTheDeleteIsReportedInTheProgramsLanguage) {
    for (const auto& [language, says] : {std::pair{"english.keel", "53 - File not found"},
                                         std::pair{"eesti.keel", "53 - Faili ei leitud"}}) {
        SCOPED_TRACE(language);
        main().lblValitudKeel.setCaption(language);
        frmProfiil& p = profiles();
        click(p, "Mill1.set");
        fs::remove(folder / "database/Mill1.set");  // gone behind the dialog's back
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Yes);
        desktop.expectMessage(MsgResult::Ok);
        p.cmdKustuta.press();
        ASSERT_EQ(desktop.messages().size(), 2u);
        EXPECT_EQ(desktop.lastMessage().text, says);
        EXPECT_EQ(desktop.lastMessage().title, "frmProfiil\\cmdKustuta");
        EXPECT_TRUE(fs::exists(folder / "database/Mill1/settings")) << "the folder stays";
        folder.writeFile("database/Mill1.set", "[PROFIIL]\r\nNIMI=Mill1\r\n");
    }
}

}  // namespace
}  // namespace lumbrix
