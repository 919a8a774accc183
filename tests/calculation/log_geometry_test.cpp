// The log: its volume, its three circles and the scroll bars that mirror its text boxes.
#include <gtest/gtest.h>

#include "calculation/log_geometry.h"
#include "main_window_fixture.h"
#include "store/numbers.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

TEST(LogVolume, FollowsTheLogVolumeTableFormula) {
    struct Case {
        double diameter, length, k;
        const char* volume;
    };
    const Case cases[] = {
        {200, 5200, 0.95, "0.183"}, {200, 5200, 1, "0.192"}, {300, 4000, 1, "0.315"},
        {600, 6100, 1, "1.969"},    {10, 2800, 1, "0.003"},  {200, 5200, 0, "0.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diameter << " mm x " << c.length << " mm, k " << c.k);
        EXPECT_EQ(FormatNumber(logVolume(c.diameter, c.length, c.k), "0.000"), c.volume);
    }
}

class LogDrawing : public MainWindowTest {};

TEST_F(LogDrawing, ATaperedLogShowsThreeConcentricCirclesGrowingToTheButt) {
    frmMain& m = main();
    EXPECT_DOUBLE_EQ(m.picLatv.width(), 200);
    EXPECT_DOUBLE_EQ(m.picMiddle.width(), 220.8);
    EXPECT_DOUBLE_EQ(m.picTyygas.width(), 241.6);
    const double centre = 465.772 / 2;
    for (const Shape* circle : {&m.picLatv, &m.picMiddle, &m.picTyygas}) {
        SCOPED_TRACE(circle->name());
        EXPECT_TRUE(circle->visible());
        EXPECT_NEAR(circle->left() + circle->width() / 2, centre, 1e-9);
        EXPECT_NEAR(circle->top() + circle->height() / 2, centre, 1e-9);
        EXPECT_DOUBLE_EQ(circle->width(), circle->height());
    }
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.183");
}

TEST_F(LogDrawing, CurvatureShiftsTheMiddleHalfAndTheButtTheWholeSweepLeft) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));  // keeps the log from resetting
    m.scrKoverus.setValue(2);  // 2 mm per m over 5.2 m: a sweep of 10.4 mm
    EXPECT_EQ(m.txtKoverus.text(), "2");
    const double centre = 465.772 / 2;
    EXPECT_NEAR(m.picLatv.left() + m.picLatv.width() / 2, centre, 1e-9);
    EXPECT_NEAR(m.picMiddle.left() + m.picMiddle.width() / 2, centre - 5.2, 1e-9);
    EXPECT_NEAR(m.picTyygas.left() + m.picTyygas.width() / 2, centre - 10.4, 1e-9);
}

TEST_F(LogDrawing, MovingAScrollBarRewritesItsFieldRedrawsAndRecomputes) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    m.scrDiameeter.setValue(300);
    EXPECT_EQ(m.txtPalk.text(), "300");
    EXPECT_DOUBLE_EQ(m.picLatv.width(), 300);
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.399");
    EXPECT_EQ(m.lblvaljatulek.caption(), "9.80%") << "the update ran on the new log";
    m.scrKoone.setValue(0);
    EXPECT_EQ(m.txtKoone.text(), "0");
    EXPECT_DOUBLE_EQ(m.picTyygas.width(), 300) << "no taper: one circle size";
}

TEST_F(LogDrawing, TypedLogValuesBringTheScrollBarsInStep) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    m.txtPalk.setText("250.5");
    m.Joonista_palk();
    EXPECT_EQ(m.scrDiameeter.value(), 250) << "a half goes to the even neighbour";
    EXPECT_EQ(m.txtPalk.text(), "250") << "the scroll bar's handler wrote its whole value back";
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(LogDrawing, BadLogValuesAreReportedUnderJoonistaPalkAndDrawNothing) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"txtPikkus", "6400", "380 - Invalid property value"},
        {"txtKoone", "11", "380 - Invalid property value"},
        {"txtPalk", "", "13 - Type mismatch"},
        {"txtPalk", "abc", "13 - Type mismatch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = '" + c.text + "'");
        frmMain& m = main();
        const std::string volumeBefore = m.lblPalgimaht.caption();
        const double butt = m.picTyygas.width();
        static_cast<TextBox*>(m.findControl(c.field))->setText(c.text);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        m.Joonista_palk();
        EXPECT_EQ(desktop.lastMessage().text, c.message);
        EXPECT_EQ(desktop.lastMessage().title, "Joonista_palk");
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
        EXPECT_EQ(m.lblPalgimaht.caption(), volumeBefore);
        EXPECT_DOUBLE_EQ(m.picTyygas.width(), butt);
        static_cast<TextBox*>(m.findControl(c.field))
            ->setText(std::string(c.field) == "txtPalk"    ? "200"
                      : std::string(c.field) == "txtKoone" ? "8"
                                                           : "5200");
    }
}

TEST_F(LogDrawing, AVolumeCoefficientOfZeroShowsTheMessageAndKeepsTheDrawing) {
    frmMain& m = main();
    store().txtPalgimahukoefitsent = "abc";  // reads as 0
    m.txtPalk.setText("300");
    desktop.expectMessage(MsgResult::Ok);
    m.Joonista_palk();
    EXPECT_EQ(desktop.lastMessage().text.rfind("There is an error in log volume", 0), 0u);
    EXPECT_DOUBLE_EQ(m.picLatv.width(), 200);
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.183");
}

}  // namespace
}  // namespace lumbrix
