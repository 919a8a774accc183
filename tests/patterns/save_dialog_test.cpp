// The save dialog: the file it writes, its name proposal and AutoName, browsing, refusals
// and failing saves, and the main window's commands that open it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"
#include "platform/codec.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

class SaveDialog : public PatternDialogTest {};

TEST_F(SaveDialog, WritesEverySectionAndKeyInOrderAndLeavesNoEarlierNotes) {
    folder.writeFile("my_patterns/P.kava",
                     "[Saekava]\r\nsyda0=a1\r\nsyda4=a5\r\n[Extra]\r\nkey=old\r\n");
    folder.writeFile("my_patterns/P.rtf", "{\\rtf1 old notes\\par}");
    buildPattern();
    frmMain& m = main();
    m.txtKavaKoostaja.setText("Jüri Õunapuu");
    ASSERT_DOUBLE_EQ(m.picTyygas.height(), 224.5);
    saveAs("P");

    const std::string expected =
        "[Saekava]\r\nsyda0=" + m.lstSyda.list(0) + "\r\nsyda1=" + m.lstSyda.list(1) +
        "\r\nsyda2=" + m.lstSyda.list(2) + "\r\nvasak0=" + m.lstKylgVasak.list(0) +
        "\r\nyleval0=" + m.lstSeimerYleval.list(0) + "\r\nyleval1=" + m.lstSeimerYleval.list(1) +
        "\r\n[Palk]\r\npalgitasku=" + store().txtpalgitasku +
        "\r\npalgidiameeter=200\r\npalgityygas=224\r\npalgipikkus=4900\r\npalgimaht=" +
        m.lblPalgimaht.caption() +
        "\r\npalgikoone=5\r\npalgikoverus=0\r\n[Tulem]\r\nVALJATULEK=" + m.lblvaljatulek.caption() +
        "\r\nEBITDA=" + m.lblmargintotalEBITDA.caption() +
        "\r\nEBIT=" + m.lblmargintotal.caption() +
        "\r\n[Info]\r\nKuupaev=14.03.26\r\nKoostaja=Jüri Õunapuu\r\n";
    EXPECT_EQ(folder.readFile("my_patterns/P.kava"), encodeWindows1257(expected));
    EXPECT_TRUE(m.lblvaljatulek.caption().ends_with("%"));
    EXPECT_FALSE(fs::exists(patterns() / "P.rtf")) << "empty notes leave no notes file";
    EXPECT_EQ(m.lblSaekavanimi.caption(), "P");
    EXPECT_FALSE(app->isLoaded<frmSalvestaUusKava>());
}

TEST_F(SaveDialog, APatternFileSavedAgainKeepsItsEncoding) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* what;
        bool utf8;
        bool withBom;
        const char* author;
        bool savedUtf8;
    } cases[] = {{"UTF-8", true, false, "Jüri Õunapuu", true},
                 {"UTF-8 with its byte order mark", true, true, "Jüri Õunapuu", true},
                 {"Windows-1257", false, false, "Jüri Õunapuu", false},
                 {"Windows-1257, a letter it lacks", false, false, "Jüri Дуб", true}};
    buildPattern();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main().txtKavaKoostaja.setText("Tõnu");
        saveAs("P");
        const std::string saved = decodeFileText(folder.readFile("my_patterns/P.kava"));
        folder.writeFile("my_patterns/P.kava",
                         c.utf8 ? (c.withBom ? bom : "") + saved : encodeWindows1257(saved));
        openFile("P.kava");
        ASSERT_EQ(main().txtKavaKoostaja.text(), "Tõnu");
        main().txtKavaKoostaja.setText(c.author);
        saveAs("P");
        const std::string bytes = folder.readFile("my_patterns/P.kava");
        const std::string line = std::string("Koostaja=") + c.author + "\r\n";
        EXPECT_EQ(bytes.starts_with(bom), c.withBom);
        if (c.savedUtf8) {
            EXPECT_TRUE(isValidUtf8(bytes));
            EXPECT_NE(bytes.find(line), std::string::npos);
        } else {
            EXPECT_FALSE(isValidUtf8(bytes));
            EXPECT_NE(bytes.find(encodeWindows1257(line)), std::string::npos);
        }
        openFile("P.kava");
        EXPECT_EQ(main().txtKavaKoostaja.text(), c.author) << "and it reads back";
    }
}

TEST_F(SaveDialog, ALineBreakInsideAValueIsSavedAsABlank) {
    buildPattern();
    frmMain& m = main();
    m.txtKavaKoostaja.setText("Jüri\rÕunapuu\r\nja\nMari");
    saveAs("P");
    const std::string text = decodeFileText(folder.readFile("my_patterns/P.kava"));
    EXPECT_TRUE(
        text.ends_with("\r\n[Info]\r\nKuupaev=14.03.26\r\nKoostaja=Jüri Õunapuu  ja Mari\r\n"))
        << text;
    m.txtKavaKoostaja.setText("");
    openFile("P.kava");
    EXPECT_EQ(m.txtKavaKoostaja.text(), "Jüri Õunapuu  ja Mari");
}

TEST_F(SaveDialog, TheMainWindowsSaveNeedsCentreBoards) {
    desktop.expectMessage(MsgResult::Ok);
    main().mnuSaekavaSalvesta.click();
    expectMessage("Pattern info is missing or invalid!", "Info", mb::kInformation);
    EXPECT_TRUE(desktop.modalWindowsShown().empty());
}

TEST_F(SaveDialog, AutoNameDecidesTheProposal) {
    const struct {
        const char* stored;
        bool ticked;
    } cases[] = {{"1", true}, {"0", false}, {"00", false}, {" 0 ", false}, {"-0", false},
                 {"2", true}, {"-7", true}, {"yes", true}, {"0.5", true},  {"", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(autoNameTicked(c.stored), c.ticked);
    }
    buildPattern();
    std::string proposal;
    saveWith([&](frmSalvestaUusKava& d) {
        EXPECT_EQ(d.chkAutoName.value(), checkstate::kChecked);
        proposal = d.txtfailinimi.text();
        d.chkAutoName.setValue(checkstate::kUnchecked);
        d.cmdTagasi.press();
    });
    EXPECT_EQ(proposal, "LUMBRIX_200_50.000x150.00 _3ex");
    EXPECT_EQ(app->userSettings().get("AutoName", ""), "0") << "Cancel stores the box";
    saveWith([&](frmSalvestaUusKava& d) {
        EXPECT_EQ(d.chkAutoName.value(), checkstate::kUnchecked);
        EXPECT_EQ(d.txtfailinimi.text(), "");
        d.chkAutoName.setValue(checkstate::kChecked);
        d.requestClose();
    });
    EXPECT_EQ(app->userSettings().get("AutoName", ""), "0") << "the close box stores nothing";
    EXPECT_EQ(main().lblSaekavanimi.caption(), "") << "nothing was saved";

    // Loaded without centre boards (as another window may load it): no proposal.
    main().lstSyda.clear();
    ASSERT_TRUE(app->userSettings().save("AutoName", "1"));
    EXPECT_EQ(app->window<frmSalvestaUusKava>().txtfailinimi.text(), "");
}

TEST_F(SaveDialog, AChosenFileGivesItsNameAndAnyFolderCanBeTheTarget) {
    folder.writeFile("my_patterns/Alpha.kava", "[Info]\r\n");
    folder.writeFile("my_patterns/Beta.KAVA", "[Info]\r\n");
    folder.writeFile("elsewhere/keep.txt", "");
    buildPattern();
    const struct {
        const char* file;
        const char* nameBox;
        const char* written;
    } cases[] = {{"Alpha.kava", "Alpha", "my_patterns/Alpha.kava"},
                 {"Beta.KAVA", "Beta.KAVA", "my_patterns/Beta.KAVA.kava"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        saveWith([&](frmSalvestaUusKava& d) {
            EXPECT_EQ(d.File1.rows(), (std::vector<std::string>{"Alpha.kava", "Beta.KAVA"}));
            d.File1.setFileName(c.file);
            EXPECT_EQ(d.txtfailinimi.text(), c.nameBox);
            d.cmdSave.press();
        });
        EXPECT_NE(folder.readFile(c.written).find("[Saekava]"), std::string::npos);
        EXPECT_EQ(main().lblSaekavanimi.caption(), c.nameBox);
    }
    saveWith([&](frmSalvestaUusKava& d) {
        d.Dir1.setPath((folder / "elsewhere").string());
        EXPECT_EQ(d.File1.path(), (folder / "elsewhere").string());
        d.txtfailinimi.setText("There");
        d.cmdSave.press();
    });
    EXPECT_TRUE(fs::exists(folder / "elsewhere" / "There.kava"));
}

TEST_F(SaveDialog, AnEmptyNameIsRefusedInBothLanguages) {
    buildPattern();
    const struct {
        const char* language;
        const char* text;
        const char* title;
    } cases[] = {{"english.keel", "Please insert pattern name!", "Error!"},
                 {"eesti.keel", "Palun sisestage saekava nimi!", "Viga!"}};
    for (const auto& c : cases) {
        main().lblValitudKeel.setCaption(c.language);
        saveWith([&](frmSalvestaUusKava& d) {
            d.txtfailinimi.setText("");
            desktop.expectMessage(MsgResult::Ok);
            d.cmdSave.press();
            expectMessage(c.text, c.title, mb::kCritical);
            EXPECT_TRUE(d.isLoaded()) << "the dialog stays open";
            d.cmdTagasi.press();
        });
    }
    EXPECT_TRUE(fs::is_empty(patterns()));
}

TEST_F(SaveDialog, AFailedSaveSaysWhyAndLeavesTheOldPairAndTheDialog) {
    const std::string oldKava = "[Saekava]\r\nsyda0=old row\r\n";
    const std::string oldRtf = "{\\rtf1 old notes\\par}";
    folder.writeFile("my_patterns/P.kava", oldKava);
    folder.writeFile("my_patterns/P.rtf", oldRtf);
    buildPattern();
    main().txtKavaNotes.setText("new notes");
    main().lblSaekavanimi.setCaption(" ");
    ASSERT_TRUE(app->userSettings().save("AutoName", "1"));
    const struct {
        const char* what;
        std::string name;
        int failingWrite;  // 0: no write fails
        int number;
    } cases[] = {{"blank name", "   ", 0, 52},
                 {"dot", ".", 0, 52},
                 {"dot dot", "..", 0, 52},
                 {"slash", "a/b", 0, 52},
                 {"control character", "a\tb", 0, 52},
                 {"full disk on the pattern file", "P", 1, 61},
                 {"full disk on the notes", "P", 2, 61}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::FullDisk sink(c.failingWrite > 0 ? c.failingWrite : 1000);
        const ScopedFileSink installed(sink);
        saveWith([&](frmSalvestaUusKava& d) {
            d.chkAutoName.setValue(checkstate::kUnchecked);
            d.txtfailinimi.setText(c.name);
            desktop.expectMessage(MsgResult::Ok);
            d.cmdSave.press();
            EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX: SUB - cmdSave_Click");
            EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
            EXPECT_TRUE(desktop.lastMessage().text.starts_with(std::to_string(c.number) + " - "))
                << desktop.lastMessage().text;
            EXPECT_TRUE(d.isLoaded()) << "the dialog stays open";
            EXPECT_FALSE(d.saved());
            d.requestClose();
        });
        EXPECT_EQ(folder.readFile("my_patterns/P.kava"), oldKava);
        EXPECT_EQ(folder.readFile("my_patterns/P.rtf"), oldRtf);
        EXPECT_EQ(main().lblSaekavanimi.caption(), " ");
        EXPECT_EQ(app->userSettings().get("AutoName", ""), "1");
    }
    // A folder removed while the dialog shows it.
    saveWith([&](frmSalvestaUusKava& d) {
        fs::remove_all(patterns());
        desktop.expectMessage(MsgResult::Ok);
        d.cmdSave.press();
        EXPECT_TRUE(desktop.lastMessage().text.starts_with("76 - "));
        d.requestClose();
    });
}

TEST_F(SaveDialog, ThePairIsSavedWholeOrTheOldPairStaysByteForByte) {
    const std::string oldKava = encodeWindows1257("[Saekava]\r\nsyda0=vana rida õ\r\n");
    const std::string oldRtf = "{\\rtf1 old notes\\par}";
    buildPattern();
    const struct {
        const char* what;
        const char* notes;
        bool oldNotes;
    } cases[] = {{"new notes cannot replace the old", "new notes", true},
                 {"new notes cannot be put beside", "new notes", false},
                 {"the old notes cannot be taken away", "", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(patterns());
        folder.writeFile("my_patterns/P.kava", oldKava);
        fs::permissions(patterns() / "P.kava",
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        if (c.oldNotes) folder.writeFile("my_patterns/P.rtf", oldRtf);
        main().txtKavaNotes.setText(c.notes);
        main().lblSaekavanimi.setCaption(" ");
        {
            // The file system refuses to put the notes file in place after the pattern file.
            test::RefusingRename sink(".rtf", EACCES);
            const ScopedFileSink installed(sink);
            saveWith([&](frmSalvestaUusKava& d) {
                d.txtfailinimi.setText("P");
                desktop.expectMessage(MsgResult::Ok);
                d.cmdSave.press();
                EXPECT_TRUE(desktop.lastMessage().text.starts_with("70 - "))
                    << desktop.lastMessage().text;
                EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX: SUB - cmdSave_Click");
                EXPECT_TRUE(d.isLoaded()) << "the dialog stays open";
                d.requestClose();
            });
        }
        EXPECT_EQ(folder.readFile("my_patterns/P.kava"), oldKava);
        EXPECT_EQ(fs::status(patterns() / "P.kava").permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        const std::vector<std::string> names = test::namesIn(patterns());
        if (c.oldNotes) {
            EXPECT_EQ(folder.readFile("my_patterns/P.rtf"), oldRtf);
            EXPECT_EQ(names, (std::vector<std::string>{"P.kava", "P.rtf"}));
        } else {
            EXPECT_EQ(names, std::vector<std::string>{"P.kava"}) << "nothing left beside";
        }
        EXPECT_EQ(main().lblSaekavanimi.caption(), " ");
    }
    // Without the refusal the same save goes through.
    saveAs("P");
    EXPECT_EQ(main().lblSaekavanimi.caption(), "P");
    EXPECT_NE(folder.readFile("my_patterns/P.kava"), oldKava);
    EXPECT_FALSE(fs::exists(patterns() / "P.rtf"));
}

TEST_F(SaveDialog, APatternNameIsRefusedOnlyWhenItCannotBeAFileName) {
    buildPattern();
    const std::string longest(255 - 5, 'x');  // with ".kava", the longest file name
    const struct {
        const char* what;
        std::string name;
        const char* refusal;  // nullptr: saved under the name as typed
    } cases[] = {
        {"blank in front", " P", nullptr},
        {"blank behind", "P ", nullptr},
        {"65 characters", std::string(65, 'k'), nullptr},
        {"ending in .set", "Mill.set", nullptr},
        {"letters of two bytes", std::string(100, 'a') + "õäöü", nullptr},
        {"the longest file name", longest, nullptr},
        {"blanks only", "   ", "52 - The name cannot consist of blanks only."},
        {"dot", ".", "52 - The name cannot be \".\" or \"..\"."},
        {"dot dot", "..", "52 - The name cannot be \".\" or \"..\"."},
        {"slash", "a/b", "52 - The name cannot contain \"/\" or \"\\\"."},
        {"backslash", "a\\b", "52 - The name cannot contain \"/\" or \"\\\"."},
        {"tab", "a\tb", "52 - The name cannot contain control characters."},
        {"next line U+0085", "a\u0085b", "52 - The name cannot contain control characters."},
        {"not UTF-8",
         "a\x85"
         "b",
         "52 - The name is not valid text."},
        {"one byte too long", longest + "x", "52 - The name is too long for a file name."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main().lblSaekavanimi.setCaption(" ");
        desktop.clearMessages();
        saveWith([&](frmSalvestaUusKava& d) {
            d.txtfailinimi.setText(c.name);
            if (c.refusal) desktop.expectMessage(MsgResult::Ok);
            d.cmdSave.press();
            if (c.refusal) {
                expectMessage(c.refusal, "LUMBRIX: SUB - cmdSave_Click", mb::kCritical);
                d.requestClose();
            }
        });
        if (c.refusal) {
            EXPECT_EQ(main().lblSaekavanimi.caption(), " ");
            continue;
        }
        EXPECT_TRUE(desktop.messages().empty());
        EXPECT_TRUE(fs::is_regular_file(patterns() / (c.name + ".kava")));
        EXPECT_EQ(main().lblSaekavanimi.caption(), c.name);
    }
    EXPECT_EQ(test::namesIn(patterns()).size(), 6u) << "nothing but the six accepted names";
}

TEST_F(SaveDialog, TheProposedNameAlwaysSaves) {
    std::string trees;  // the longest profile name, in letters of four bytes
    for (int i = 0; i < 64; ++i)
        trees += "\U0001F332";
    const std::string rest = "_200_50.000x150.00 _3ex";
    const struct {
        const char* what;
        std::string profile;
        std::string diameter;
        std::string proposal;
    } cases[] = {
        // A profile name of 45 characters, as a planner gives it.
        {"a long profile name", "Idavirumaa saeveski palkide kevadine profiil2", "200",
         "Idavirumaa saeveski palkide kevadine profiil2" + rest},
        {"a diameter typed with a slash and a tab", "LUMBRIX", "200/\t5",
         "LUMBRIX_200__5_50.000x150.00 _3ex"},
        {"a profile name too long for the disk with the rest", trees, "200",
         trees.substr(0, 4 * 56) + rest},
    };
    buildPattern();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main().lblValitudProfiil.setCaption(c.profile);
        main().txtPalk.setText(c.diameter);
        main().lblSaekavanimi.setCaption(" ");
        saveAs();
        EXPECT_TRUE(desktop.messages().empty());
        EXPECT_EQ(main().lblSaekavanimi.caption(), c.proposal);
        EXPECT_TRUE(fs::is_regular_file(patterns() / (c.proposal + ".kava")));
        EXPECT_FALSE(app->isLoaded<frmSalvestaUusKava>());
    }
}

TEST_F(SaveDialog, AMissingPatternsFolderIsOfferedOnLoad) {
    fs::remove_all(patterns());
    buildPattern();
    // The question and its title speak the message language.
    const struct {
        const char* language;
        const char* question;
        const char* title;
    } languages[] = {
        {"english.keel", "Can't find patterns folder! Create the new?", "New folder?"},
        {"eesti.keel", "Ei leia kavade kausta! Teeme kausta?", "Uus kaust?"},
    };
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        main().lblValitudKeel.setCaption(l.language);
        desktop.expectMessage(MsgResult::No);
        saveWith([&](frmSalvestaUusKava& d) {
            expectMessage(l.question, l.title, mb::kYesNo);
            EXPECT_EQ(d.File1.path(), fs::current_path().string())
                << "the lists stay where they were";
            d.cmdTagasi.press();
        });
    }
    main().lblValitudKeel.setCaption("english.keel");
    EXPECT_FALSE(fs::exists(patterns()));
    desktop.expectMessage(MsgResult::Yes);
    saveAs("Made");
    EXPECT_TRUE(fs::exists(patterns() / "Made.kava"));
}

TEST_F(SaveDialog, NewAndExitClearOrEndOnlyWhenTheSaveDialogSaved) {
    const auto pressSave = [](Form& f) { static_cast<frmSalvestaUusKava&>(f).cmdSave.press(); };
    buildPattern();
    desktop.expectMessage(MsgResult::Yes);
    desktop.onNextModal(pressSave);
    main().cmdUusKava.press();
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frmSalvestaUusKava"});
    EXPECT_EQ(main().lstSyda.listCount(), 0) << "saved, then cleared";
    EXPECT_EQ(main().lblSaekavanimi.caption(), " ");
    EXPECT_TRUE(fs::exists(patterns() / "LUMBRIX_200_50.000x150.00 _3ex.kava"));

    buildPattern();
    desktop.expectMessage(MsgResult::Yes);
    desktop.onNextModal(pressSave);
    main().mnuProgramExit.click();
    EXPECT_EQ(desktop.programEnds(), 1);
}

}  // namespace
}  // namespace lumbrix
