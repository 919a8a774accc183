// The new-pattern reset and the change of the log length.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

using NewPattern = test::MainWindowTest;

TEST_F(NewPattern, RemovingTheLastCentreBoardOfAThickLogEndsInOneEmptyPatternOnTheDefaultLog) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.scrDiameeter.setValue(250);  // each change updates: the reset runs inside nested updates
    m.scrKoone.setValue(5);
    m.scrPikkus.setValue(4900);
    m.txtKavaNotes.setText("old notes");
    m.lblSaekavanimi.setCaption("kava1");
    store().lblSydaosakaal[0] = "0.8";
    m.lblmargintotal.setBackColor(colors::kRed);
    m.lblPalgiHinnaInfo.setBackColor(0x80C0FF);
    m.lblPalgiHinnaInfo.setCaption("notice");
    ASSERT_FALSE(m.lblvaljatulek.caption().empty());

    m.lstSyda.removeItem(0);
    m.uuenda_materjalid();

    EXPECT_EQ(m.txtPalk.text() + " " + m.txtKoone.text() + " " + m.txtPikkus.text(), "200 8 5200");
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
    }
    EXPECT_FALSE(m.pickylgvasak[0].visible());
    for (const Label* label :
         {&m.lblSaematerjalMaht, &m.lblvaljatulek, &m.lblsydmatosakaal, &m.lblkyljelauaosakaal,
          &m.lblvaljatulek2, &m.lblsaekavahind, &m.lblTulud, &m.lblKulud}) {
        EXPECT_EQ(label->caption(), "") << label->name();
    }
    EXPECT_EQ(store().lblSydaosakaal[0], "");
    EXPECT_EQ(m.txtKavaNotes.text(), "");
    EXPECT_EQ(m.txtKavaKuupaev.text(), "");
    EXPECT_EQ(m.lblSaekavanimi.caption(), "");
    EXPECT_FALSE(m.cmdShowCalculations.enabled());
    EXPECT_EQ(m.lblmargintotal.backColor(), colors::kWhite);
    EXPECT_EQ(m.lblPalgiHinnaInfo.backColor(), colors::kButtonFace);
    EXPECT_EQ(m.lblPalgiHinnaInfo.caption(), "notice") << "it keeps its caption";
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.183") << "the default log is drawn";
    EXPECT_DOUBLE_EQ(m.picLatv.width(), 200);
    EXPECT_TRUE(desktop.messages().empty());
}

class LogLength : public test::MainWindowTest {
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
    // A row whose volume the suggestion wrote as plain text: its price moved left.
    const std::string head = m.lstSyda.list(0).substr(0, 31);
    m.lstSyda.addItem(composeBoardRowText(head, "5100", "0.03", "  410"));
    m.lstKylgVasak.addItem(boardRow(25, 100, 28, 104, 5150, 0.013, "  300"));
    m.scrPikkus.setValue(5500);

    EXPECT_EQ(m.txtPikkus.text(), "5500");
    struct Expect {
        const ListBox& list;
        int row;
        const char *length, *volume, *price;
    };
    const Expect rows[] = {{m.lstSyda, 0, "5400", "0.027", "400"},
                           {m.lstSyda, 1, "5400", "0.022", "380"},
                           {m.lstSyda, 2, "5400", "0.027", "410"},
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
    EXPECT_EQ(m.lstSyda.list(0).substr(0, 31), head);

    m.lstSyda.clear();
    m.lstSyda.addItem(boardRow(40, 100, 43, 104, 5100, 0.02));
    m.scrPikkus.setValue(5225);  // 5125 x 40 x 100 = 0.0205 m3: a tie
    EXPECT_EQ(BoardRow(m.lstSyda.list(0)).volumeText(), "0.020");
}

TEST_F(LogLength, TheArrowStepFollowsAUsableLogLengthModule) {
    const std::pair<const char*, int> cases[] = {
        {"600", 600}, {"0", 300}, {"-300", 300}, {"40000", 300}, {"abc", 300}};
    frmMain& m = main();
    for (const auto& [module, step] : cases) {
        SCOPED_TRACE(module);
        m.scrPikkus.setSmallChange(300);
        store().txtPalgiMoodul = module;
        m.scrPikkus.setValue(m.scrPikkus.value() == 5200 ? 5500 : 5200);
        EXPECT_EQ(m.scrPikkus.smallChange(), step);
        EXPECT_EQ(m.scrPikkus.largeChange(), 300);
    }
}

}  // namespace
}  // namespace lumbrix
