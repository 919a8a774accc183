// What the planner is told about a profile's files at start-up and when a load fails: one box
// per file and event, naming the file, and a failed load that changes nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_profiil.h"
#include "millsettings/frm_seaded.h"
#include "millsettings/profile_settings.h"
#include "platform/ini_file.h"
#include "store/saved_list.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

class ProfileFileReports : public test::MainWindowTest {
  protected:
    void SetUp() override {
        folder.copyShippedData();
        desktop.clearMessages();
    }
    // The start-up timer fires as the event loop fires it.
    void startUp(int boxes) {
        for (int i = 0; i < boxes; ++i)
            desktop.expectMessage(MsgResult::Ok);
        desktop.advanceClock(500);
        EXPECT_EQ(desktop.messages().size(), static_cast<std::size_t>(boxes));
    }
    fs::path profile() const { return folder / "database/LUMBRIX"; }
    // A list file beyond the 16 MB the program reads.
    static std::string bigList() { return "SavedList" + std::string(17 << 20, '\0'); }
    // Damages that put a folder or a named pipe where the file `file` stands.
    static std::function<void()> folderAt(const fs::path& file) {
        return [file] {
            fs::remove(file);
            fs::create_directory(file);
        };
    }
    static std::function<void()> pipeAt(const fs::path& file) {
        return [file] {
            fs::remove(file);
            ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        };
    }
    // A damage done to a file, and what the box says of it.
    struct Damage {
        const char* what;
        std::function<void()> make;
        const char* says;
    };
};

TEST_F(ProfileFileReports, StartUpShowsOneBoxPerFileThatNamesIt) {
    std::string twentyBad = "[SEADED]\r\n";
    for (const char* key : {"KappimineSydMat",
                            "KappimineLauad",
                            "PalgiMoodul",
                            "Palgimahukoefitsent",
                            "KuisedPysikuludKokku",
                            "KuisedAmordikuludKokku",
                            "CE",
                            "YhikuMuutuvkulud",
                            "KuineTootmismaht",
                            "Ketas1saag",
                            "Ketas2saag",
                            "KetasSeimer",
                            "KetasTrimmer",
                            "KoefitsentHake",
                            "KoefitsentPuru",
                            "KoefitsentKoor",
                            "KoefitsentKoorPalgist",
                            "Hakehind",
                            "saepuruHind",
                            "KoorHind"}) {
        twentyBad += std::string(key) + "=1E999\r\n";
    }
    const std::string center = folder.readFile("database/LUMBRIX/center");
    const struct {
        const char* what;
        std::function<void()> damage;
        int boxes;
        std::string names;  // what the one box names
    } cases[] = {
        {"a new profile", [&] { main().lblValitudProfiil.setCaption("Uus"); }, 0, ""},
        {"missing list files", [&] { fs::remove(profile() / "center"); }, 0, ""},
        {"20 values beyond the range",
         [&] { folder.writeFile("database/LUMBRIX/settings", twentyBad); }, 1,
         (profile() / "settings").string()},
        {"a truncated centre list",
         [&] { folder.writeFile("database/LUMBRIX/center", center.substr(0, 40)); }, 1,
         (profile() / "center").string()},
        {"no database folder", [&] { fs::remove_all(folder / "database"); }, 1,
         (folder / "database").string()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.damage();
        startUp(c.boxes);
        if (c.boxes > 0) {
            EXPECT_NE(desktop.lastMessage().text.find(c.names), std::string::npos)
                << desktop.lastMessage().text;
        }
        // Back to the shipped state for the next case.
        desktop.clearMessages();
        main().lblValitudProfiil.setCaption("LUMBRIX");
        folder.copyShippedData();
        main().tmr_Startup.setEnabled(true);
    }
}

TEST_F(ProfileFileReports, ALoadThatFailsKeepsTheStoreAndTheLists) {
    desktop.advanceClock(500);  // the shipped profile
    frmMainSub& s = store();
    const std::string kerf = s.txtKetas1saag;
    const std::string production = s.txtKuluTootmine;
    const std::vector<std::string> prices = main().lstPalgiHinnad.rows();
    const std::vector<std::string> products = main().lstDim.rows();
    ASSERT_FALSE(prices.empty());

    const struct {
        const char* what;
        std::string settings;
        const char* says;
    } cases[] = {
        {"costs beyond the range",
         "[SEADED]\r\nKetas1saag=9\r\nKuisedPysikuludKokku=1E308\r\nKuineTootmismaht=1E-300\r\n",
         "6 - Overflow\nThe costs per m3 cannot be computed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.writeFile("database/LUMBRIX/settings", c.settings);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        main().cmdLaeprofiil.press();
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.lastMessage().text.rfind(c.says, 0), 0u) << desktop.lastMessage().text;
        EXPECT_EQ(s.txtKetas1saag, kerf);
        EXPECT_EQ(s.txtKuluTootmine, production);
        EXPECT_EQ(main().lstPalgiHinnad.rows(), prices);
        EXPECT_EQ(main().lstDim.rows(), products);
    }
}

TEST_F(ProfileFileReports, AListFileThatCannotBeReadIsNamedWithItsReasonAndTheRestLoads) {
    const fs::path prices = profile() / "logprices";
    const fs::path centre = profile() / "center";
    struct Case {
        const char* what;
        fs::path file;
        std::function<void()> make;
        const char* says;
    };
    std::vector<Case> cases = {
        {"a folder", prices, folderAt(prices), "it is a folder"},
        {"a named pipe", prices, pipeAt(prices), "it is a named pipe"},
        {"17 MB", prices, [&] { folder.writeFile("database/LUMBRIX/logprices", bigList()); },
         "the file is larger than 16 MB"},
        {"a product list that is a folder", centre, folderAt(centre), "it is a folder"},
    };
    if (::geteuid() != 0) {  // file permissions do not stop the superuser
        cases.push_back({"no permission", prices, [&] { fs::permissions(prices, fs::perms::none); },
                         "Permission denied"});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        startUp(1);  // the start-up's profile load
        const std::string& text = desktop.lastMessage().text;
        EXPECT_NE(text.find(c.file.string() + ": " + c.says), std::string::npos) << text;
        EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
        // The settings and the other list are loaded all the same.
        const frmMainSub& s = store();
        EXPECT_EQ(s.txtKetas1saag, "4.6");
        EXPECT_EQ(s.txtKuineTootmismaht, "6000");
        EXPECT_EQ(s.txtKuluTootmine, "42.17");
        EXPECT_EQ(main().lstPalgiHinnad.listCount(), c.file == prices ? 0 : 12);
        EXPECT_EQ(main().lstDim.listCount(), c.file == prices ? 13 : 0);
        if (c.file == centre) {
            // A pattern is computed with those settings and prices: no overflow box.
            main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
            main().uuenda_materjalid();
            EXPECT_EQ(desktop.messages().size(), 1u);
            EXPECT_NE(main().lblMuudkuludHind.caption(), "");
        }

        main().lstSyda.clear();
        desktop.clearMessages();
        fs::remove_all(c.file);
        folder.copyShippedData();
        main().tmr_Startup.setEnabled(true);
    }
}

TEST_F(ProfileFileReports, AStoredDefaultProfileWhoseFolderIsGoneGivesOneBoxAndTheShippedOne) {
    fs::create_directories(folder / "database/Line2");
    folder.writeFile("database/Line2/settings", "[SEADED]\r\nKetas1saag=3\r\n");
    const struct {
        const char *stored, *language;
        const char* says;  // nullptr: the stored profile is used without a box
        const char *current, *kerf;
    } cases[] = {
        {"Gone", "english.keel",
         "The folder {} of the default profile \"Gone\" no longer exists. The profile LUMBRIX is "
         "used instead.",
         "LUMBRIX", "4.6"},
        {"Gone", "eesti.keel",
         "Vaikimisi profiili \"Gone\" kausta {} ei ole enam olemas. Kasutan profiili LUMBRIX.",
         "LUMBRIX", "4.6"},
        {"Line2", "english.keel", nullptr, "Line2", "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " " + c.language);
        ASSERT_TRUE(app->userSettings().save("DefaultProfile", c.stored));
        ASSERT_TRUE(app->userSettings().save("DefaultLanguage", c.language));
        app = std::make_unique<Application>(desktop, folder.path());
        desktop.clearMessages();
        if (c.says) desktop.expectMessage(MsgResult::Ok);
        frmMain& m = main();        // the main window's load reads the preferences
        desktop.advanceClock(500);  // the start-up timer loads the profile without a word more
        if (c.says) {
            std::string text = c.says;
            const std::string gone = (folder / "database" / c.stored).string();
            text.replace(text.find("{}"), 2, gone);
            ASSERT_EQ(desktop.messages().size(), 1u);
            EXPECT_EQ(desktop.lastMessage().text, text);
            EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kExclamation);
            EXPECT_FALSE(fs::exists(gone)) << "nothing is made in its place";
        } else {
            EXPECT_TRUE(desktop.messages().empty());
        }
        EXPECT_EQ(m.lblValitudProfiil.caption(), c.current);
        EXPECT_EQ(store().txtKetas1saag, c.kerf);
        EXPECT_EQ(app->userSettings().get("DefaultProfile", "?"), c.stored) << "left as stored";
    }
}

// The words of a text longer than four letters (a letter outside ASCII counts as a letter).
std::set<std::string> longWords(const std::string& text) {
    std::set<std::string> words;
    std::string word;
    for (const char c : text + " ") {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || std::isalpha(u)) {
            word += c;
            continue;
        }
        if (word.size() > 4) words.insert(word);
        word.clear();
    }
    return words;
}

TEST_F(ProfileFileReports, EveryBoxAboutAProfileFileIsInTheProgramsLanguage) {
    const fs::path prices = profile() / "logprices";
    const fs::path centre = profile() / "center";
    const fs::path settings = profile() / "settings";
    struct Case {
        const char* what;
        fs::path file;  // the file the box names
        std::function<void()> make;
        std::string estonian, english;  // the reason in each language
        std::string names = "";         // further names the box gives in both languages
        bool viaProfilesDialog = true;  // the dialog lists the profiles of the database folder
    };
    std::vector<Case> cases = {
        {"a log price file that is no list", prices,
         [&] { folder.writeFile("database/LUMBRIX/logprices", "not a list"); },
         "Palgihindade fail logprices puudub või on vigane!\nNimekirjafail " + prices.string() +
             " on vigane: see ei alga märkidega \"SavedList\", seega ei ole see nimekirjafail. "
             "Selle ridu ei näidata.",
         "File logprices is missing or invalid!\nThe list file " + prices.string() +
             " is damaged: it does not start with \"SavedList\", so it is not a list file.",
         (profile() / "logprices.damaged").string() + " SavedList"},
        {"a centre list that ends early", centre,
         [&] {
             folder.writeFile("database/LUMBRIX/center",
                              std::string("SavedList\x03\0\0\0\x02", 14) + "ab");
         },
         "321 = Vigane failivorming\nNimekirjafail " + centre.string() +
             " on vigane: fail lõpeb enne rida 2, kuigi ridu peab olema 3.",
         "321 = Invalid file format\nThe list file " + centre.string() +
             " is damaged: the file ends before row 2 of 3.",
         (profile() / "center.damaged").string()},
        {"a centre list counting too many rows", centre,
         [&] {
             folder.writeFile("database/LUMBRIX/center", std::string("SavedList\xFF\xFF\0\0", 13));
         },
         "6 = Ületäitumine\nNimekirjafail " + centre.string() +
             " on vigane: fail loeb ridu 65535, aga nimekirjas saab olla kuni 32767 rida.",
         "6 = Overflow\nThe list file " + centre.string() +
             " is damaged: the file counts 65535 rows; a list holds at most 32767.",
         (profile() / "center.damaged").string()},
        {"a log price file that is a folder", prices, folderAt(prices),
         "75 - Tee või faili juurdepääsu viga\nNimekirjafaili " + prices.string() +
             " ei saa lugeda: see on kaust.",
         "75 - Path/File access error\nCannot read " + prices.string() + ": it is a folder."},
        {"a log price file that is a named pipe", prices, pipeAt(prices),
         "ei saa lugeda: see on nimega toru.", ": it is a named pipe."},
        {"a log price file of 17 MB", prices,
         [&] { folder.writeFile("database/LUMBRIX/logprices", bigList()); },
         "ei saa lugeda: fail on liiga suur.", ": the file is larger than 16 MB."},
        {"a settings file without its section", settings,
         [&] { folder.writeFile("database/LUMBRIX/settings", "Ketas1saag=7\r\n"); },
         "Seadete fail " + settings.string() +
             ":\nSelles ei ole jaotist [SEADED]. Selle väärtused loetakse 0-ks.",
         "The settings file " + settings.string() +
             ":\nIt holds no [SEADED] section. Its values count 0.",
         "SEADED"},
        {"a settings file that is no text", settings,
         [&] { folder.writeFile("database/LUMBRIX/settings", std::string("[SEADED]\0\x01", 10)); },
         "See ei ole tekstifail. Selle väärtused loetakse 0-ks.",
         "It is not a text file. Its values count 0.", (profile() / "settings.damaged").string()},
        {"a settings file that is a named pipe", settings, pipeAt(settings),
         ":\nSeda ei saa lugeda: see on nimega toru. Selle väärtused loetakse 0-ks.",
         ": it is a named pipe. Its values count 0."},
        {"a settings value beyond the range", settings,
         [&] { folder.writeFile("database/LUMBRIX/settings", "[SEADED]\r\nKetas2saag=1E999\r\n"); },
         ":\nNeed väärtused on väljaspool arvude vahemikku ja loetakse 0-ks: Ketas2saag.",
         ":\nThese values lie beyond the number range and count 0: Ketas2saag.", "Ketas2saag"},
        {"costs that cannot be computed", settings,
         [&] {
             folder.writeFile(
                 "database/LUMBRIX/settings",
                 "[SEADED]\r\nKuisedPysikuludKokku=1E308\r\nKuineTootmismaht=1E-300\r\n");
         },
         "6 - Ületäitumine\nKulusid m3 kohta ei saa arvutada kuistest kuludest ja kuisest "
         "tootmismahust.\nSeadete fail " +
             settings.string() +
             ":\nProfiili ei laaditud; kasutusel olevad väärtused ja "
             "nimekirjad jäävad alles.",
         "6 - Overflow\nThe costs per m3 cannot be computed"},
        {"no database folder", profile(), [&] { fs::remove_all(folder / "database"); },
         "Profiili kausta " + profile().string() + " ei saa luua: kausta " +
             (folder / "database").string() + " ei ole.",
         "The profile folder " + profile().string() + " cannot be made", "", false},
    };
    if (::geteuid() != 0) {  // file permissions do not stop the superuser
        cases.push_back({"a log price file without permission", prices,
                         [&] { fs::permissions(prices, fs::perms::none); },
                         "70 - Juurdepääs on keelatud\nNimekirjafaili " + prices.string() +
                             " ei saa lugeda: juurdepääs on keelatud.",
                         "70 - Permission denied\n"});
    }
    // What each case's English box says (English runs first), for the Estonian box to hold
    // none of its words.
    std::vector<std::string> english(cases.size());
    for (const char* language : {"english.keel", "eesti.keel"}) {
        ASSERT_TRUE(app->userSettings().save("DefaultLanguage", language));
        app = std::make_unique<Application>(desktop, folder.path());
        main();  // loads the planner's preferences and arms the start-up timer
        const bool estonian = std::string(language) == "eesti.keel";
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            for (const bool dialog : {false, true}) {
                if (dialog && !c.viaProfilesDialog) continue;
                SCOPED_TRACE(std::string(c.what) + ", " + language +
                             (dialog ? ", Use in the profiles dialog" : ", start-up"));
                desktop.clearMessages();
                c.make();
                desktop.expectMessage(MsgResult::Ok);
                if (dialog) {
                    frmProfiil& profiles = app->window<frmProfiil>();
                    profiles.txtfailinimi.setText("LUMBRIX");
                    profiles.cmdLae.press();
                } else {
                    desktop.advanceClock(500);
                }
                ASSERT_EQ(desktop.messages().size(), 1u);
                const std::string& text = desktop.lastMessage().text;
                EXPECT_NE(text.find(c.file.string()), std::string::npos) << text;
                EXPECT_NE(text.find(estonian ? c.estonian : c.english), std::string::npos) << text;
                std::istringstream given(c.names);
                for (std::string name; given >> name;)
                    EXPECT_NE(text.find(name), std::string::npos) << name << " in\n" << text;
                if (!estonian) {
                    english[i] = text;
                    EXPECT_EQ(text.find(c.estonian), std::string::npos) << text;
                } else {
                    // No English sentence: none of the English box's longer words but names.
                    const std::set<std::string> names =
                        longWords(c.file.string() + " " + profile().string() + " " + c.names);
                    for (const std::string& word : longWords(english[i])) {
                        if (names.contains(word)) continue;
                        EXPECT_EQ(longWords(text).count(word), 0u) << word << " in\n" << text;
                    }
                }
                if (c.file == prices && !dialog) {
                    // The log price editor, opened on the same file, says the same.
                    const test::ShownMessage atLoad = desktop.lastMessage();
                    EXPECT_EQ(atLoad.title, estonian ? "Failiviga" : "File error");
                    desktop.expectMessage(MsgResult::Ok);
                    app->window<frmPalgiHinnad>().unload();
                    ASSERT_EQ(desktop.messages().size(), 2u);
                    EXPECT_EQ(desktop.lastMessage().text, atLoad.text);
                    EXPECT_EQ(desktop.lastMessage().title, atLoad.title);
                }
                // Back to the shipped profile for the next case.
                std::error_code ec;
                fs::permissions(c.file, fs::perms::owner_all, ec);
                fs::remove_all(c.file);
                folder.copyShippedData();
                main().tmr_Startup.setEnabled(true);
            }
        }
    }
}

TEST_F(ProfileFileReports, AnUnreadableLogPriceFileIsNamedInTheEditorAndNotWrittenOver) {
    desktop.advanceClock(500);  // the shipped profile
    const fs::path prices = profile() / "logprices";
    const Damage cases[] = {
        {"17 MB", [&] { folder.writeFile("database/LUMBRIX/logprices", bigList()); },
         ": the file is larger than 16 MB"},
        {"a named pipe", pipeAt(prices), ": it is a named pipe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const auto before = fs::status(prices).type();
        const std::uintmax_t size = fs::is_regular_file(prices) ? fs::file_size(prices) : 0;
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        frmPalgiHinnad& editor = app->window<frmPalgiHinnad>();
        EXPECT_EQ(editor.lstPalgiHinnad.listCount(), 0);
        EXPECT_NE(desktop.lastMessage().text.find(prices.string() + c.says), std::string::npos)
            << desktop.lastMessage().text;
        editor.txtpalgitasku.setText("1");
        editor.txtHind.setText("50");
        editor.cmdLisaHind.press();
        desktop.expectMessage(MsgResult::Ok);
        editor.cmdTagasi.press();
        EXPECT_TRUE(desktop.lastMessage().text.starts_with("The log prices could not be saved: "))
            << desktop.lastMessage().text;
        EXPECT_EQ(fs::status(prices).type(), before) << "not written over";
        if (size > 0) {
            EXPECT_EQ(fs::file_size(prices), size);
        }
        EXPECT_TRUE(app->isLoaded<frmPalgiHinnad>());
        editor.unload();
        fs::remove(prices);
    }
}

TEST_F(ProfileFileReports, ASettingsFileThatCannotBeUsedIsNamedAndItsValuesCountZero) {
    desktop.advanceClock(500);  // the shipped profile
    const fs::path settings = profile() / "settings";
    const Damage cases[] = {
        {"no section", [&] { folder.writeFile("database/LUMBRIX/settings", "Ketas1saag=7\r\n"); },
         "It holds no [SEADED] section. Its values count 0."},
        {"not text",
         [&] { folder.writeFile("database/LUMBRIX/settings", std::string("[SEADED]\0\x01", 10)); },
         "It is not a text file. Its values count 0."},
        {"a named pipe", pipeAt(settings), "it is a named pipe. Its values count 0."},
        {"17 MB",
         [&] { folder.writeFile("database/LUMBRIX/settings", std::string(17 << 20, ' ')); },
         "the file is larger than 16 MB. Its values count 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        main().cmdLaeprofiil.press();
        ASSERT_EQ(desktop.messages().size(), 1u);
        const std::string& text = desktop.lastMessage().text;
        EXPECT_EQ(text.rfind("The settings file " + settings.string() + ":\n", 0), 0u) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_EQ(store().txtKetas1saag, "0");
        EXPECT_EQ(store().txtPalgimahukoefitsent, "1");
        fs::remove(settings);
    }
}

// "Õ–" in Windows-1257 is D5 96, which read as UTF-8 is "Ֆ": text such as this is written so
// that it reads back as itself.
constexpr const char* kBytesThatLookLikeUtf8 = "Õ–";

TEST_F(ProfileFileReports, TheSettingsDialogsSaveKeepsTextWhoseCodePageBytesLookLikeUtf8) {
    desktop.advanceClock(500);  // the shipped profile
    // A Windows-1257 file: "ä" (E4) is no UTF-8, and the note's D5 96 is.
    std::string settings = folder.readFile("database/LUMBRIX/settings");
    const std::size_t bark = settings.find("KoorHind=");
    ASSERT_NE(bark, std::string::npos);
    settings.replace(bark, settings.find('\r', bark) - bark, "KoorHind=\xE4");
    folder.writeFile("database/LUMBRIX/settings", settings + "Markus=\xD5\x96\r\n");
    ASSERT_EQ(readProfileString(profile() / "settings", "SEADED", "Markus", "-"),
              kBytesThatLookLikeUtf8);
    frmSeaded& d = app->window<frmSeaded>();
    d.txtkoorhind.setText("3");  // the only letter that made the file no UTF-8 goes
    d.cmdSalvesta.press();
    ASSERT_FALSE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(readProfileString(profile() / "settings", "SEADED", "KoorHind", "-"), "3");
    EXPECT_EQ(readProfileString(profile() / "settings", "SEADED", "Markus", "-"),
              kBytesThatLookLikeUtf8);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(ProfileFileReports, AProductRowWhoseCodePageBytesLookLikeUtf8ReadsBackAsItself) {
    desktop.advanceClock(500);  // the shipped profile, the editor on centre material
    frmMain& m = main();
    m.txtDimPaksus.setText("32");
    m.txtDimLaius.setText("125");
    m.txtQualShare(1).setText("100");
    m.txtQualPrice(1).setText("200");
    const std::string comment = kBytesThatLookLikeUtf8;
    m.txtComment.setText(comment);
    m.cmdArvuta.press();
    m.cmdLisaDim.press();
    ASSERT_TRUE(desktop.messages().empty()) << desktop.lastMessage().text;
    const auto hasComment = [&](const std::vector<std::string>& rows) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](const std::string& row) { return row.ends_with(" " + comment); });
    };
    EXPECT_TRUE(hasComment(readSavedList(profile() / "center").rows));
    // The editor's list read again from the file.
    m.lstTootedDim.clear();
    m.Lae_tooted(m.lstTootedDim);
    EXPECT_TRUE(hasComment(m.lstTootedDim.rows()));
}

TEST_F(ProfileFileReports, SettingsValuesAreWrittenToReadBackOrRefused) {
    const fs::path file = profile() / "settings";
    const std::string before = folder.readFile("database/LUMBRIX/settings");
    const FileResult refused =
        writeSettingsFile(file, {{"Hakehind", "12"}, {"Salvestatud", "1.1.2026\r\n[OTHER]"}});
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.reason.find(file.string()), std::string::npos);
    EXPECT_EQ(folder.readFile("database/LUMBRIX/settings"), before) << "nothing written";

    for (const std::string value : {" 7.1.2026 ", "\"quoted\"", "'x'", "Профиль"}) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(writeSettingsFile(file, {{"Salvestatud", value}}));
        EXPECT_EQ(readProfileString(file, "SEADED", "Salvestatud", "0"), value);
    }
    // The file turned UTF-8 for the last value and stays so: no letter becomes "?".
    ASSERT_TRUE(writeSettingsFile(file, {{"KoorHind", "õ 12"}}));
    EXPECT_NE(folder.readFile("database/LUMBRIX/settings").find("KoorHind=õ 12\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace lumbrix
