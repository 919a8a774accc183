// What the settings dialog's Save leaves behind: the placed boards with the new trims, a bark
// share in its form, the language the next start uses, and a damaged settings file kept
// beside a clean one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "millsettings/frm_seaded.h"
#include "platform/codec.h"
#include "platform/ini_file.h"
#include "settings_dialog_fixture.h"
#include "store/board_row.h"
#include "store/numbers.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

using test::kBarkHint;
using test::kSettingsFile;
using test::kTypicalCosts;

class SettingsDialogSave : public test::SettingsDialogTest {
  protected:
    // The settings file: the typical costs and these lines.
    void writeSettings(const std::string& lines) {
        SettingsDialogTest::writeSettings(kTypicalCosts + lines);
    }
    std::string stored(const char* key) {
        return readProfileString(folder / kSettingsFile, "SEADED", key, "none");
    }
};

TEST_F(SettingsDialogSave, PlacedBoardsTakeTheNewTrimsAsALengthChangeGivesThem) {
    writeSettings("KappimineSydMat=100\r\nKappimineLauad=100\r\n");
    frmMain& m = main();
    ASSERT_EQ(m.txtPikkus.text(), "5200");
    m.lstSyda.addItem(boardRow(47, 150, 50, 155, 5100, 0.036));
    m.lstKylgVasak.addItem(boardRow(22, 100, 25, 105, 5100, 0.011));
    m.uuenda_materjalid();
    const struct {
        const char *centreTrim, *boardTrim;
        const char *centreLength, *centreVolume, *sideLength, *sideVolume;
    } cases[] = {
        {"200", "100", "5000", "0.035", "5100", "0.011"},
        {"200", "700", "5000", "0.035", "4500", "0.010"},
        {"100", "100", "5100", "0.036", "5100", "0.011"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.centreTrim) + "/" + c.boardTrim);
        frmSeaded& d = dialog();
        retype(d.txtKappimineSydmat, c.centreTrim);
        retype(d.txtKappimineLauad, c.boardTrim);
        d.cmdSalvesta.press();
        ASSERT_FALSE(app->isLoaded<frmSeaded>());
        ASSERT_EQ(m.lstSyda.listCount(), 1);
        ASSERT_EQ(m.lstKylgVasak.listCount(), 1);
        const BoardRow centre(m.lstSyda.list(0)), side(m.lstKylgVasak.list(0));
        EXPECT_EQ(centre.lengthText(), c.centreLength);
        EXPECT_EQ(centre.volumeText(), c.centreVolume);
        EXPECT_EQ(side.lengthText(), c.sideLength);
        EXPECT_EQ(side.volumeText(), c.sideVolume);
        // The sizes and the price stay; the sawn volume shown is that of the rows shown.
        EXPECT_EQ(centre.text().substr(0, 31), boardRow(47, 150, 50, 155, 0, 0).substr(0, 31));
        EXPECT_EQ(centre.priceText(), "450");
        EXPECT_EQ(m.lblSaematerjalMaht.caption(),
                  NumberText(Round(centre.volume() + side.volume(), 3)));
    }
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(SettingsDialogSave, ABarkShareAboveOneIsRefusedWithItsHint) {
    writeSettings("KoefitsentKoorPalgist=0.08\r\n");
    const struct {
        const char* typed;
        bool refused;
    } cases[] = {{"8", true}, {"1.01", true}, {"1", false}, {"0.1", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        desktop.clearMessages();
        frmSeaded& d = dialog();
        retype(d.txtKoefitsentKoorPalgist, c.typed);
        if (c.refused) desktop.expectMessage(MsgResult::Ok);
        d.cmdSalvesta.press();  // straight from the field: no focus loss ran before
        if (c.refused) {
            ASSERT_EQ(desktop.messages().size(), 1U);
            EXPECT_EQ(desktop.lastMessage().text, kBarkHint);
            ASSERT_TRUE(app->isLoaded<frmSeaded>());
            EXPECT_EQ(d.txtKoefitsentKoorPalgist.text(), c.typed);
            EXPECT_EQ(stored("KoefitsentKoorPalgist"), "0.08");
            EXPECT_EQ(store().txtKoefitsentKoorPalgist, "0.08");
            d.cmdOK.press();
        } else {
            EXPECT_TRUE(desktop.messages().empty());
            EXPECT_FALSE(app->isLoaded<frmSeaded>());
            EXPECT_EQ(stored("KoefitsentKoorPalgist"), c.typed);
            retype(dialog().txtKoefitsentKoorPalgist, "0.08");
            dialog().cmdSalvesta.press();
        }
    }
}

TEST_F(SettingsDialogSave, CostsPerCubicMetreBeyondTheNumberRangeAreRefusedBeforeWriting) {
    folder.writeFile(kSettingsFile,
                     "[SEADED]\r\nKuisedPysikuludKokku=1E308\r\nKuineTootmismaht=1E-300\r\n"
                     "KuisedAmordikuludKokku=5\r\nYhikuMuutuvkulud=5\r\nCE=9\r\n");
    const std::string before = folder.readFile(kSettingsFile);
    frmSeaded& d = dialog();
    retype(d.txtCE, "2500");
    desktop.expectMessage(MsgResult::Ok);
    d.cmdSalvesta.press();
    ASSERT_EQ(desktop.messages().size(), 1U);
    EXPECT_EQ(desktop.lastMessage().text, test::kCostsHelp);
    EXPECT_TRUE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(folder.readFile(kSettingsFile), before);
    EXPECT_EQ(store().txtCE, "2000");

    // Mended, the same dialog saves.
    retype(d.txtKuineTootmismaht, "100");
    retype(d.txtKuisedPysikuludKokku, "1000");
    d.cmdSalvesta.press();
    EXPECT_FALSE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(stored("CE"), "2500");
    EXPECT_EQ(store().txtKuluTootmine, "15");
}

TEST_F(SettingsDialogSave, AStoredFactorOffTheGridStepsToItsBoundAndNoFurther) {
    writeSettings("KoefitsentHake=0.005\r\nKoefitsentPuru=9.995\r\nPalgimahukoefitsent=2.004\r\n");
    frmSeaded& d = dialog();
    EXPECT_EQ(d.txtKoefitsentHake.text(), "0.005");
    d.cmdHakeMiinus.press();
    EXPECT_EQ(d.txtKoefitsentHake.text(), "0.00");
    d.cmdPuruPluss.press();
    EXPECT_EQ(d.txtKoefitsentPuru.text(), "10.00");
    d.cmdPalgikoefpluss.press();  // above its bound already: nothing moves
    EXPECT_EQ(d.txtPalgimahukoefitsent.text(), "2.004");
    d.cmdSalvesta.press();
    EXPECT_EQ(store().txtKoefitsentHake, "0");
    EXPECT_EQ(store().txtKoefitsentPuru, "10");
}

TEST_F(SettingsDialogSave, TurningTheLanguageOfferOffRemembersTheLanguageInUse) {
    writeSettings("");
    const struct {
        const char* language;    // in use
        const char* preference;  // ShowLanguageBox before; nullptr: never stored
        int offered;             // the box as the dialog opens
        int saved;               // the box as it is saved
        const char *show, *remembered;
    } cases[] = {
        {"english.keel", nullptr, checkstate::kChecked, checkstate::kUnchecked, "1",
         "english.keel"},
        {"eesti.keel", "0", checkstate::kChecked, checkstate::kUnchecked, "1", "eesti.keel"},
        // The start reads a whole number: "1.0" starts without the dialog, so it is not offered.
        {"english.keel", "1.0", checkstate::kUnchecked, checkstate::kUnchecked, "1",
         "english.keel"},
        {"english.keel", "1", checkstate::kUnchecked, checkstate::kChecked, "0", "none"},
        {"english.keel", "x", checkstate::kChecked, checkstate::kChecked, "0", "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + (c.preference ? c.preference : "-"));
        fs::remove(folder.userSettingsPath());
        if (c.preference) app->userSettings().save("ShowLanguageBox", c.preference);
        main().lblValitudKeel.setCaption(c.language);
        frmSeaded& d = dialog();
        EXPECT_EQ(d.chkNaitaKeeleValikut.value(), c.offered);
        d.chkNaitaKeeleValikut.setValue(c.saved);
        d.cmdSalvesta.press();
        EXPECT_EQ(app->userSettings().get("ShowLanguageBox", "none"), c.show);
        EXPECT_EQ(app->userSettings().get("DefaultLanguage", "none"), c.remembered);
    }
}

TEST_F(SettingsDialogSave, ADamagedSettingsFileIsKeptAndWrittenAnewAsCleanText) {
    desktop.setNow({2026, 3, 4, 9, 5, 0});
    const fs::path file = folder / kSettingsFile;
    // UTF-16 with a byte order mark, and one stray control byte in an otherwise sound file.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("[SEADED]\r\nKetas1saag=7\r\nCE=900\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    main().Lauatyyp = "Syda";  // the picker's family, whose product list the load reads
    const std::string stray =
        std::string("[SEADED]\r\nKetas1saag=7\x01\r\nCE=900\n") + kTypicalCosts;
    for (const std::string& damaged : {utf16, stray}) {
        SCOPED_TRACE(damaged.size());
        fs::remove(folder / "database/LUMBRIX/settings.damaged");
        folder.writeFile(kSettingsFile, damaged);

        // The load says what it does with the values and does it.
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        main().cmdLaeprofiil.press();
        ASSERT_EQ(desktop.messages().size(), 1U);
        const std::string& told = desktop.lastMessage().text;
        EXPECT_NE(told.find("The settings file " + file.string() +
                            ":\nIt is not a text file. "
                            "Its values count 0. Saving the settings keeps it as " +
                            file.string() + ".damaged and writes a new file."),
                  std::string::npos)
            << told;
        EXPECT_EQ(store().txtKetas1saag, "0");
        EXPECT_EQ(store().txtCE, "0");

        // The dialog reads it by the same rule; Save keeps it whole and writes clean text.
        frmSeaded& d = dialog();
        EXPECT_EQ(d.txtKetas1saag.text(), "0");
        retype(d.txtCE, "2500");
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        d.cmdSalvesta.press();
        ASSERT_FALSE(app->isLoaded<frmSeaded>());
        ASSERT_EQ(desktop.messages().size(), 1U);
        EXPECT_EQ(desktop.lastMessage().text,
                  "The settings file " + file.string() + " was not a text file. It is kept as " +
                      file.string() + ".damaged; the settings have been written to a new file.");
        EXPECT_EQ(folder.readFile("database/LUMBRIX/settings.damaged"), damaged);
        const std::string written = folder.readFile(kSettingsFile);
        EXPECT_TRUE(looksLikeText(written));
        EXPECT_TRUE(written.starts_with("[SEADED]\r\nKappimineSydMat=0\r\n")) << written;
        EXPECT_EQ(written.find("\r\r"), std::string::npos);
        EXPECT_EQ(stored("CE"), "2500");
        EXPECT_EQ(stored("Salvestatud"), "4.03.2026 9:05:00");
        EXPECT_EQ(readProfileSection(file, "SEADED").size(), 22U);

        // The next load reads it without a word.
        desktop.clearMessages();
        main().cmdLaeprofiil.press();
        EXPECT_TRUE(desktop.messages().empty());
        EXPECT_EQ(store().txtCE, "2500");
    }
}

TEST_F(SettingsDialogSave, ADamagedFileThatCannotBeKeptIsNotOverwritten) {
    const std::string damaged("[SEADED]\r\nCE=900\0\r\n", 19);
    folder.writeFile(kSettingsFile, damaged);
    frmSeaded& d = dialog();
    retype(d.txtCE, "2500");
    desktop.expectMessage(MsgResult::Ok);
    {
        test::FullDisk full;  // the copy is the first write, and it fails
        ScopedFileSink sink(full);
        d.cmdSalvesta.press();
    }
    EXPECT_TRUE(desktop.lastMessage().text.starts_with("The settings could not be saved: "));
    EXPECT_NE(desktop.lastMessage().text.find("settings.damaged"), std::string::npos);
    EXPECT_TRUE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(folder.readFile(kSettingsFile), damaged);
    EXPECT_EQ(store().txtCE, "2000");
}

}  // namespace
}  // namespace lumbrix
