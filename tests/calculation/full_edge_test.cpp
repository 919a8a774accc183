// Full-edge lengths of side and edger boards on a tapered log.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

class FullEdge : public test::MainWindowTest {
  protected:
    // Three centre boards of sawing thickness 50 and one side board on each side of sawing
    // size 25 x 100: the side corners need a diameter of 241.66 mm.
    void SetUp() override {
        frmMain& m = main();
        for (int i = 0; i < 3; ++i)
            m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
        setSideBoards(boardRow(25, 100, 25, 100, 5150, 0.013));
        store().lblArvutaTaiskant = "1";
    }
    void setSideBoards(const std::string& row) {
        for (ListBox* list : {&main().lstKylgVasak, &main().lstKylgParem}) {
            list->clear();
            list->addItem(row);
        }
    }
    void run(const char* diameter, const char* taper = "8") {
        main().txtPalk.setText(diameter);
        main().txtKoone.setText(taper);
        main().refreshBoardBoxes();
        main().arvuta_taiskant();
    }
};

TEST_F(FullEdge, LengthsFollowTheTaperAndTheSettingDecidesWhetherRowsChange) {
    struct Case {
        const char *diameter, *taper, *setting;
        const char *length, *volume;  // of the side rows afterwards
        int outOfLog;
    };
    const Case cases[] = {
        {"245", "8", "1", "5200", "0.013", 0},  // corners inside the top circle: the whole log
        {"230", "8", "1", "3742", "0.009", 0},  // 5200 - 1000 x 11.66 / 8
        {"230", "8", "0", "5150", "0.013", 0},  // setting off: rows keep their lengths
        {"200", "8", "1", "1000", "0.002", 1},  // the floor; 0.0025 goes to the even 0.002
        {"200", "8", "0", "5150", "0.013", 1},
        {"245", "0", "1", "5200", "0.013", 0},  // no taper: a cylinder that holds the corners
        {"230", "0", "1", "1000", "0.002", 1},  // a cylinder that does not
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "D " << c.diameter << ", taper " << c.taper << ", setting " << c.setting);
        frmMain& m = main();
        setSideBoards(boardRow(25, 100, 25, 100, 5150, 0.013));
        store().lblArvutaTaiskant = c.setting;
        run(c.diameter, c.taper);
        for (const ListBox* list : {&m.lstKylgVasak, &m.lstKylgParem}) {
            const BoardRow row(list->list(0));
            EXPECT_EQ(row.lengthText(), c.length) << list->name();
            EXPECT_EQ(row.volumeText(), c.volume) << list->name();
        }
        EXPECT_EQ(m.pattern.palgistvaljas, c.outOfLog);
        EXPECT_TRUE(desktop.messages().empty()) << "no error box, also without taper";
    }
}

TEST_F(FullEdge, ATaperedLogShortensPositionZeroBoardsAndKeepsTheirSizes) {
    frmMain& m = main();
    setSideBoards(boardRow(22, 95, 25, 100, 5150, 0.011));
    run("231");
    EXPECT_NEAR(m.pattern.kylgdiameeter0, 241.661, 0.001) << "the diagonal of the side row";
    EXPECT_EQ(m.pattern.seimerdiameeter0, 0) << "no edger boards";
    const BoardRow row(m.lstKylgVasak.list(0));
    EXPECT_EQ(row.lengthText(), "3867");
    EXPECT_EQ(row.volumeText(), "0.008");
    EXPECT_EQ(row.text().substr(0, 28), boardRow(22, 95, 25, 100, 0, 0).substr(0, 28));
}

TEST_F(FullEdge, AnEmptySecondPositionIsNeverOutOfTheLog) {
    frmMain& m = main();
    // Flat side boards: position 1, empty, would need more diameter than position 0.
    setSideBoards(boardRow(25, 20, 25, 20, 5150, 0.003));
    run("224", "0.5");
    EXPECT_LT(m.pattern.kylgdiameeter0, 224);
    EXPECT_GT(m.pattern.kylgdiameeter1, 224);
    EXPECT_EQ(m.pattern.palgistvaljas, 0);
    EXPECT_EQ(BoardRow(m.lstKylgVasak.list(0)).lengthText(), "5200");
}

TEST_F(FullEdge, TheUpdateShowsTheVolumesOfTheRewrittenRowsAndNoticesABoardOutOfTheLog) {
    frmMain& m = main();
    m.lblValitudKeel.setCaption("eesti.keel");
    m.txtPalk.setText("230");
    m.uuenda_materjalid();
    EXPECT_EQ(BoardRow(m.lstKylgVasak.list(0)).lengthText(), "3742");
    EXPECT_EQ(m.lblSaematerjalMaht.caption(), "0.123") << "3 x 0.035 centre + 2 x 0.009 side";
    EXPECT_EQ(m.pickylgvasak[0].backColor(), colors::kRed) << "241.66 is not within 230";
    EXPECT_EQ(m.lblPalgiHinnaInfo.caption(), "");

    m.txtPalk.setText("200");
    m.uuenda_materjalid();
    EXPECT_EQ(m.pattern.palgistvaljas, 1);
    EXPECT_EQ(m.lblPalgiHinnaInfo.caption(), "Toode palgist väljas!");
}

}  // namespace
}  // namespace lumbrix
