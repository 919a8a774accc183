// The comparison slots: parking patterns as banded bars, laying the bars out, recalling a
// slot, hovering, and removing one slot or all of them with their files.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"
#include "patterns/comparison_slots.h"
#include "platform/atomic_file.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

class ComparisonSlots : public PatternDialogTest {
  protected:
    ComparisonSlots() { buildPattern(); }

    fs::path compare() const { return patterns() / "compare"; }

    // Parks the pattern in the editor as if its margin were `margin`.
    void park(const std::string& margin) {
        main().lblmargintotal.setCaption(margin);
        main().mnupalkaddtocompare.click();
    }
    // The occupied slots from the left, as "slot@Left".
    std::string strip() {
        std::vector<const Label*> shown;
        for (const Label& bar : main().lblCompare) {
            if (bar.visible()) shown.push_back(&bar);
        }
        std::sort(shown.begin(), shown.end(),
                  [](const Label* a, const Label* b) { return a->left() < b->left(); });
        std::string s;
        for (const Label* bar : shown)
            s += std::to_string(bar->index()) + "@" + std::to_string(int(bar->left())) + " ";
        return s;
    }
    // The files of the comparison folder, sorted; folders end in "/".
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const fs::directory_entry& e : fs::directory_iterator(compare(), ec))
            names.push_back(e.path().filename().string() + (e.is_directory() ? "/" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
    void hover(int slot) { main().lblCompare[slot].MouseMove.raise(0, 0, 100, 100); }
    void deleteByMenu(int slot) {
        hover(slot);
        desktop.choosePopupItem("mnuCompareKustutaValitud");
        main().lblCompare[slot].MouseDown.raise(mouse::kRight, 0, 100, 100);
    }
};

TEST_F(ComparisonSlots, ParkingBandsTheBarsAndSavesEachSlot) {
    const struct {
        const char* margin;
        double top;
        Color color;
        int left;
    } cases[] = {{"30.00", 0, kBandGreen, 120},
                 {"12,50", 150, kBandGreen, 1095},
                 {"-3.20", 240, kBandPink, 2070}};
    ASSERT_FALSE(fs::exists(compare())) << "parking makes the folder";
    for (const auto& c : cases)
        park(c.margin);
    frmMain& m = main();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].margin);
        const Label& bar = m.lblCompare[i];
        EXPECT_TRUE(bar.visible());
        EXPECT_EQ(bar.top(), cases[i].top);
        EXPECT_EQ(bar.backColor(), cases[i].color);
        EXPECT_EQ(bar.left(), cases[i].left);
        EXPECT_EQ(bar.caption(), cases[i].margin);
    }
    EXPECT_EQ(m.lstCompare.rows(), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(m.lblLastCompare.caption(), "2");
    EXPECT_EQ(files(), (std::vector<std::string>{"0.kava", "1.kava", "2.kava"}));
    EXPECT_FALSE(m.lblCompare[3].visible());
    EXPECT_FALSE(app->isLoaded<frmSalvestaUusKava>());
}

TEST_F(ComparisonSlots, MarginBandsAndTheirLimits) {
    const struct {
        const char* margin;
        double top;
        Color color;
    } cases[] = {{"25.01", 0, kBandGreen},  {"25.00", 100, kBandGreen}, {"15.00", 150, kBandGreen},
                 {"5.00", 200, kBandGreen}, {"0.01", 200, kBandGreen},  {"-0.01", 240, kBandPink},
                 {"0.00", 240, kBandPink}};
    frmMain& m = main();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.margin);
        m.cmdClearCompare.press();
        park(c.margin);
        EXPECT_EQ(m.lblCompare[0].top(), c.top);
        EXPECT_EQ(m.lblCompare[0].backColor(), c.color);
    }
}

TEST_F(ComparisonSlots, NoComputedPatternOrFullStripParksNothing) {
    frmMain& m = main();
    const std::string yield = m.lblvaljatulek.caption();
    m.lblvaljatulek.setCaption("");
    park("10.00");
    EXPECT_EQ(strip(), "");
    EXPECT_TRUE(files().empty());
    m.lblvaljatulek.setCaption(yield);
    for (const char* margin : {"1.00", "2.00", "3.00", "4.00", "5.00"})
        park(margin);
    park("99.00");
    EXPECT_EQ(strip(), "0@120 1@1095 2@2070 3@3045 4@4020 ");
    EXPECT_EQ(m.lblCompare[4].caption(), "5.00");
    EXPECT_EQ(m.lblLastCompare.caption(), "4");
    EXPECT_EQ(files().size(), 5u);
}

TEST_F(ComparisonSlots, ParkingKeepsThePatternsName) {
    for (const char* name : {"", " ", "Mine"}) {
        SCOPED_TRACE(name);
        main().lblSaekavanimi.setCaption(name);
        park("8.00");
        EXPECT_EQ(main().lblSaekavanimi.caption(), name);
    }
    // Still unnamed: New offers to save it.
    main().lblSaekavanimi.setCaption(" ");
    park("8.00");
    desktop.expectMessage(MsgResult::Cancel);
    main().cmdUusKava.press();
    EXPECT_EQ(desktop.lastMessage().text, "Will save this pattern?");
}

TEST_F(ComparisonSlots, ASlotThatCannotBeSavedIsGivenUpAndTheDialogDiscarded) {
    folder.writeFile("my_patterns/compare", "not a folder");
    main().lblSaekavanimi.setCaption("Mine");
    const struct {
        const char* language;
        std::string text;  // the folder named, the reason in the language
    } cases[] = {
        {"english.keel", "76 - Cannot save into " + compare().string() + ": Path not found"},
        {"eesti.keel", "76 - " + compare().string() + ": kausta ei ole"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        main().lblValitudKeel.setCaption(c.language);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        park("8.00");
        // The box of the save dialog, as for any save that fails.
        EXPECT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX: SUB - cmdSave_Click");
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
        EXPECT_EQ(desktop.lastMessage().text, c.text);
        EXPECT_EQ(strip(), "");
        EXPECT_TRUE(main().lstCompare.rows().empty());
        EXPECT_EQ(main().lblSaekavanimi.caption(), "Mine");
        EXPECT_FALSE(app->isLoaded<frmSalvestaUusKava>());
    }
}

TEST_F(ComparisonSlots, HoverSelectsAndDeleteSelectedClosesUpTheStrip) {
    for (const char* margin : {"30.00", "20.00", "10.00"})
        park(margin);
    main().txtKavaNotes.setText("notes");
    main().lblLastCompare.setCaption("1");
    main().Salvesta_compare();  // slot 1 now has its notes file too
    folder.writeFile("my_patterns/compare/1", "");
    hover(1);
    for (const Label& bar : main().lblCompare)
        EXPECT_EQ(bar.transparent(), bar.index() == 1);
    EXPECT_EQ(store().lblcompareselected, "1");
    main().Uuenda_taustavarv();
    EXPECT_FALSE(main().lblCompare[1].transparent());

    deleteByMenu(1);
    EXPECT_EQ(desktop.popupsShown().back().menuName, "mnuCompare");
    EXPECT_EQ(strip(), "0@120 2@1095 ");
    EXPECT_EQ(files(), (std::vector<std::string>{"0.kava", "2.kava"}));
    park("5.50");  // the freed slot is the next to fill
    EXPECT_EQ(strip(), "0@120 1@1095 2@2070 ");
    EXPECT_EQ(main().lblCompare[1].caption(), "5.50");
}

TEST_F(ComparisonSlots, DeletingASlotRemovesOnlyItsRegularFiles) {
    park("8.00");
    park("9.00");
    for (const char* name : {"1.rtf", "1", "1.x.y", "10.kava", "11", "1.d/inner.kava"})
        folder.writeFile(std::string("my_patterns/compare/") + name, "x");
    deleteByMenu(1);
    EXPECT_EQ(files(), (std::vector<std::string>{"0.kava", "1.d/", "10.kava", "11"}));
    EXPECT_TRUE(fs::exists(compare() / "1.d" / "inner.kava"));
}

TEST_F(ComparisonSlots, DeletingFromAFullStripOrTheLastSlot) {
    for (const char* margin : {"1.00", "2.00", "3.00", "4.00", "5.00"})
        park(margin);
    deleteByMenu(0);
    EXPECT_EQ(strip(), "1@120 2@1095 3@2070 4@3045 ");
    for (int slot : {1, 2, 3})
        deleteByMenu(slot);
    folder.writeFile("my_patterns/compare/3.kava", "left by an earlier run");
    folder.writeFile("my_patterns/compare/keep/inner.kava", "x");
    deleteByMenu(4);
    EXPECT_EQ(strip(), "");
    EXPECT_EQ(files(), std::vector<std::string>{"keep/"});
}

TEST_F(ComparisonSlots, DeleteAllTheClearButtonAndAConfirmedCloseEmptyEverything) {
    // A close the planner declines keeps the slots.
    park("8.00");
    desktop.expectMessage(MsgResult::No);
    main().requestClose();
    EXPECT_EQ(strip(), "0@120 ");
    EXPECT_EQ(files(), std::vector<std::string>{"0.kava"});
    for (const char* way : {"delete all", "clear button", "confirmed close"}) {
        SCOPED_TRACE(way);
        park("8.00");
        park("-1.00");
        folder.writeFile("my_patterns/compare/4.kava", "left by an earlier run");
        const std::string how = way;
        if (how == "delete all") {
            hover(0);
            desktop.choosePopupItem("mnuCompareKustutaKoik");
            main().lblCompare[0].MouseDown.raise(mouse::kRight, 0, 0, 0);
        } else if (how == "clear button") {
            main().cmdClearCompare.press();
        } else {
            desktop.expectMessage(MsgResult::Yes);
            main().requestClose();
            EXPECT_FALSE(app->isLoaded<frmMain>());
            EXPECT_TRUE(files().empty());
            continue;
        }
        EXPECT_TRUE(files().empty());
        EXPECT_EQ(strip(), "");
        EXPECT_TRUE(main().lstCompare.rows().empty());
    }
}

// Clearing the strip, one way per case, with the comparison folder real or reached through
// a symbolic link at my_patterns or at my_patterns/compare.
struct ClearingCase {
    const char* way;   // "clear button", "delete all", "last slot", "confirmed close"
    const char* link;  // "" (real folders), "my_patterns" or "my_patterns/compare"
};

void PrintTo(const ClearingCase& c, std::ostream* out) {
    *out << c.way << " with " << (*c.link ? c.link : "real folders");
}

class ClearingTheStrip : public ComparisonSlots,
                         public ::testing::WithParamInterface<ClearingCase> {
  protected:
    // Every regular file of `dir` with its content.
    static std::map<std::string, std::string> contents(const fs::path& dir) {
        std::map<std::string, std::string> files;
        for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
            if (e.is_regular_file()) {
                files[e.path().filename().string()] = readFileBytes(e.path()).bytes;
            }
        }
        return files;
    }
    void clear(const std::string& way) {
        if (way == "clear button") {
            main().cmdClearCompare.press();
        } else if (way == "delete all") {
            hover(0);
            desktop.choosePopupItem("mnuCompareKustutaKoik");
            main().lblCompare[0].MouseDown.raise(mouse::kRight, 0, 0, 0);
        } else if (way == "last slot") {
            deleteByMenu(1);
            deleteByMenu(0);
        } else {
            desktop.expectMessage(MsgResult::Yes);
            main().requestClose();
            ASSERT_FALSE(app->isLoaded<frmMain>());
        }
    }
};

TEST_P(ClearingTheStrip, DeletesOnlyTheParkedFilesOfTheRealFolder) {
    const ClearingCase c = GetParam();
    const std::string link = c.link;
    // Where the slot files end up: the real comparison folder or the folder a link leads to.
    const fs::path outside = folder / "outside";
    const fs::path reached = link == "my_patterns" ? outside / "compare" : outside;
    if (link.empty()) {
        fs::create_directories(compare());
    } else {
        fs::create_directories(reached);
        fs::remove_all(folder / link);
        fs::create_directory_symlink(link == "my_patterns" ? outside : reached, folder / link);
    }
    const fs::path shown = link.empty() ? compare() : reached;
    for (const char* name : {"2.kava", "3.rtf", "notes.txt", "2.x"})
        folder.writeFile((shown / name).lexically_relative(folder.path()).string(), name);
    // A pattern the planner saved into the comparison folder with the save dialog.
    main().txtKavaNotes.setText("own notes");
    saveWith([&](frmSalvestaUusKava& d) {
        d.Dir1.setPath(compare().string());
        d.txtfailinimi.setText("Mine");
        d.cmdSave.press();
    });
    main().txtKavaNotes.setText("");
    park("8.00");
    park("9.00");
    ASSERT_EQ(strip(), "0@120 1@1095 ");
    const std::map<std::string, std::string> before = contents(shown);
    ASSERT_TRUE(before.contains("0.kava") && before.contains("Mine.rtf"));

    clear(c.way);

    if (link.empty()) {
        EXPECT_EQ(files(), (std::vector<std::string>{"2.x", "Mine.kava", "Mine.rtf", "notes.txt"}))
            << "the parked files and the slot files of an earlier run go; the planner's stay";
    } else {
        EXPECT_EQ(contents(reached), before) << "nothing is deleted where a link leads";
        EXPECT_TRUE(fs::is_symlink(folder / link));
    }
}

// Every way with every kind of folder.
std::vector<ClearingCase> clearingCases() {
    std::vector<ClearingCase> all;
    for (const char* link : {"", "my_patterns", "my_patterns/compare"}) {
        for (const char* way : {"clear button", "delete all", "last slot", "confirmed close"})
            all.push_back({way, link});
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Ways, ClearingTheStrip, ::testing::ValuesIn(clearingCases()),
                         [](const ::testing::TestParamInfo<ClearingCase>& param) {
                             std::string name =
                                 std::string(param.param.way) + "_" +
                                 (*param.param.link ? param.param.link : "real_folders");
                             for (char& ch : name) {
                                 if (ch == ' ' || ch == '/') ch = '_';
                             }
                             return name;
                         });

TEST_F(ComparisonSlots, ClickingABarBringsItsPatternBackWithItsFigures) {
    frmMain& m = main();
    const std::vector<std::string> firstCentre = m.lstSyda.rows();
    const std::string firstMargin = m.lblmargintotal.caption();
    m.mnupalkaddtocompare.click();
    m.Uus_kava();
    buildFullPattern();
    m.mnupalkaddtocompare.click();
    ASSERT_NE(m.lstSyda.rows(), firstCentre);
    m.lblCompare[0].Click.raise();  // unsaved pattern in the editor: no question
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(m.lstSyda.rows(), firstCentre);
    EXPECT_EQ(m.txtPalk.text(), "200");
    EXPECT_EQ(m.lblmargintotal.caption(), firstMargin);
    EXPECT_EQ(m.lblSaekavanimi.caption(), "0.kava");
    EXPECT_EQ(store().lblcompareselected, "0");
    EXPECT_FALSE(app->isLoaded<frmAvaKava>());
    EXPECT_EQ(strip(), "0@120 1@1095 ");
}

TEST_F(ComparisonSlots, ASlotWhoseFileIsGoneLeavesTheEditorAlone) {
    park("8.00");
    park("9.00");
    fs::remove(compare() / "1.kava");
    main().lblSaekavanimi.setCaption("Mine");
    const std::string before = screen();
    main().lblCompare[1].Click.raise();
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(main().lblSaekavanimi.caption(), "Mine");
}

TEST_F(ComparisonSlots, TheClearButtonExplainsItselfInTheCurrentLanguage) {
    const struct {
        const char* language;
        const char* tip;
    } cases[] = {{"eesti.keel", "Puhasta saekavade võrdlus"},
                 {"english.keel", "Cleare all compare patterns"},
                 {"Eesti.keel", "Cleare all compare patterns"}};
    for (const auto& c : cases) {
        main().lblValitudKeel.setCaption(c.language);
        main().cmdClearCompare.MouseMove.raise(0, 0, 0, 0);
        EXPECT_EQ(main().cmdClearCompare.toolTipText(), c.tip) << c.language;
    }
}

}  // namespace
}  // namespace lumbrix
