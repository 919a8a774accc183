// The new-pattern reset and the change of the log length.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class NewPattern : public MainWindowTest {};

TEST_F(NewPattern, RemovingTheLastCentreBoardOfAThickLogEndsInOneEmptyPatternOnTheDefaultLog) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.scrDiameeter.setValue(250);
    m.scrKoone.setValue(5);
    m.scrPikkus.setValue(4900);
    m.txtKavaNotes.setText("old notes");
    m.lblSaekavanimi.setCaption("kava1");
    store().lblSydaosakaal[0] = "0.8";
    ASSERT_EQ(m.lblvaljatulek.caption().empty(), false);

    m.lstSyda.removeItem(0);
    m.uuenda_materjalid();

    EXPECT_EQ(m.txtPalk.text(), "200");
    EXPECT_EQ(m.txtKoone.text(), "8");
    EXPECT_EQ(m.txtPikkus.text(), "5200");
    EXPECT_EQ(m.scrDiameeter.value(), 200);
    EXPECT_EQ(m.scrKoone.value(), 8);
    EXPECT_EQ(m.scrPikkus.value(), 5200);
    for (const ListBox* list :
         {&m.lstSyda, &m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll, &m.lstSeimerYleval}) {
        EXPECT_EQ(list->listCount(), 0) << list->name();
    }
    for (const PictureBox& box : m.picsyda) {
        EXPECT_FALSE(box.visible());
        EXPECT_EQ(box.width(), 0);
        EXPECT_EQ(box.height(), 0);
    }
    EXPECT_FALSE(m.pickylgvasak[0].visible());
    for (const Label* label : {&m.lblSaematerjalMaht, &m.lblvaljatulek, &m.lblsydmatosakaal,
                               &m.lblkyljelauaosakaal, &m.lblvaljatulek2, &m.lblsaekavahind}) {
        EXPECT_EQ(label->caption(), "") << label->name();
    }
    EXPECT_EQ(store().lblSydaosakaal[0], "");
    EXPECT_EQ(m.txtKavaNotes.text(), "");
    EXPECT_EQ(m.txtKavaKuupaev.text(), "");
    EXPECT_EQ(m.lblSaekavanimi.caption(), "");
    EXPECT_FALSE(m.cmdShowCalculations.enabled());
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.183") << "the default log is drawn";
    EXPECT_DOUBLE_EQ(m.picLatv.width(), 200);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(NewPattern, ColouredResultLabelsTurnWhiteAndTheNoticeLabelTurnsGrey) {
    frmMain& m = main();
    m.lblmargintotal.setBackColor(colors::kRed);
    m.lblPalgiHinnaInfo.setBackColor(0x80C0FF);
    m.lblPalgiHinnaInfo.setCaption("notice");
    m.Uus_kava();
    EXPECT_EQ(m.lblmargintotal.backColor(), colors::kWhite);
    EXPECT_EQ(m.lblPalgiHinnaInfo.backColor(), colors::kButtonFace);
    EXPECT_EQ(m.lblPalgiHinnaInfo.caption(), "notice") << "it keeps its caption";
}

class LogLength : public MainWindowTest {
  protected:
    void SetUp() override {
        store().txtKappimineSydmat = "100";
        store().txtKappimineLauad = "50";
    }
};

TEST_F(LogLength, EveryRowGetsTheNewLengthLessItsFamilysTrimAndItsVolume) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(50, 100, 53, 104, 5100, 0.026, "  400"));
    m.lstSyda.addItem(boardRow(40, 100, 43, 104, 5100, 0.02, "  380"));
    m.lstKylgVasak.addItem(boardRow(25, 100, 28, 104, 5150, 0.013, "  300"));
    m.scrPikkus.setValue(5500);

    EXPECT_EQ(m.txtPikkus.text(), "5500");
    struct Expect {
        const ListBox& list;
        int row;
        const char* length;
        const char* volume;
        const char* price;
    };
    const Expect rows[] = {{m.lstSyda, 0, "5400", "0.027", "400"},
                           {m.lstSyda, 1, "5400", "0.022", "380"},
                           {m.lstKylgVasak, 0, "5450", "0.014", "300"}};
    for (const auto& e : rows) {
        SCOPED_TRACE(e.list.name() + " row " + std::to_string(e.row));
        const BoardRow row(e.list.list(e.row));
        EXPECT_EQ(row.lengthText(), e.length);
        EXPECT_EQ(row.volumeText(), e.volume);
        EXPECT_EQ(row.priceText(), e.price);
    }
    EXPECT_EQ(BoardRow(m.lstSyda.list(1)).nominalThickness(), 40) << "rows keep their order";
    EXPECT_EQ(m.lstsydabackup.listCount(), 0) << "scratch lists are empty afterwards";
    EXPECT_EQ(m.lstSyda.list(0).substr(0, 31), boardRow(50, 100, 53, 104, 0, 0).substr(0, 31));
}

TEST_F(LogLength, AHalfThousandthVolumeGoesToTheEvenDigit) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(40, 100, 43, 104, 5100, 0.02));
    m.scrPikkus.setValue(5225);  // 5125 x 40 x 100 = 0.0205 m3
    EXPECT_EQ(BoardRow(m.lstSyda.list(0)).volumeText(), "0.020");
}

TEST_F(LogLength, AShiftedRowKeepsItsPrice) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    // A row whose volume was written as plain text by the suggestion: its price moved left.
    const std::string head = m.lstSyda.list(0).substr(0, 31);
    m.lstSyda.addItem(composeBoardRowText(head, "5100", "0.03", "  410"));
    m.scrPikkus.setValue(5500);
    const BoardRow shifted(m.lstSyda.list(1));
    EXPECT_EQ(shifted.priceText(), "410");
    EXPECT_EQ(shifted.volumeText(), "0.037");
}

TEST_F(LogLength, TheArrowStepFollowsAUsableLogLengthModule) {
    struct Case {
        const char* module;
        int step;
    };
    const Case cases[] = {{"600", 600}, {"0", 300}, {"-300", 300}, {"40000", 300}, {"abc", 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        frmMain& m = main();
        m.scrPikkus.setSmallChange(300);
        store().txtPalgiMoodul = c.module;
        m.scrPikkus.setValue(m.scrPikkus.value() == 5200 ? 5500 : 5200);
        EXPECT_EQ(m.scrPikkus.smallChange(), c.step);
        EXPECT_EQ(m.scrPikkus.largeChange(), 300);
    }
}

}  // namespace
}  // namespace lumbrix
