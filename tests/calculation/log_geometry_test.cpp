// The log: its volume, its three circles and the scroll bars that mirror its text boxes.
#include <gtest/gtest.h>

#include "calculation/log_geometry.h"
#include "main_window_fixture.h"
#include "store/numbers.h"

namespace lumbrix {
namespace {

TEST(LogVolume, FollowsTheLogVolumeTableFormula) {
    struct Case {
        double diameter, length, k;
        const char* volume;
    };
    const Case cases[] = {{200, 5200, 0.95, "0.183"},
                          {200, 5200, 1, "0.192"},
                          {300, 4000, 1, "0.315"},
                          {600, 6100, 1, "1.969"},
                          {200, 5200, 0, "0.000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diameter << " mm x " << c.length << " mm, k " << c.k);
        EXPECT_EQ(FormatNumber(logVolume(c.diameter, c.length, c.k), "0.000"), c.volume);
    }
}

class LogDrawing : public test::MainWindowTest {
  protected:
    void SetUp() override {  // a centre board keeps the log from resetting
        main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    }
};

TEST_F(LogDrawing, ATaperedCurvedLogShowsThreeCirclesGrowingToTheButtAndSweepingLeft) {
    frmMain& m = main();
    m.scrKoverus.setValue(2);  // 2 mm per m over 5.2 m: a sweep of 10.4 mm
    EXPECT_EQ(m.txtKoverus.text(), "2");
    const double centre = 465.772 / 2;
    const struct {
        const Shape& circle;
        double diameter, shift;
    } circles[] = {{m.picLatv, 200, 0}, {m.picMiddle, 220.8, 5.2}, {m.picTyygas, 241.6, 10.4}};
    for (const auto& c : circles) {
        SCOPED_TRACE(c.circle.name());
        EXPECT_TRUE(c.circle.visible());
        EXPECT_DOUBLE_EQ(c.circle.width(), c.diameter);
        EXPECT_DOUBLE_EQ(c.circle.height(), c.diameter);
        EXPECT_NEAR(c.circle.left() + c.diameter / 2, centre - c.shift, 1e-9);
        EXPECT_NEAR(c.circle.top() + c.diameter / 2, centre, 1e-9);
    }
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.183");
}

TEST_F(LogDrawing, ScrollBarsAndTextBoxesKeepInStepAndEveryChangeRecomputes) {
    frmMain& m = main();
    m.scrDiameeter.setValue(300);
    EXPECT_EQ(m.txtPalk.text(), "300");
    EXPECT_DOUBLE_EQ(m.picLatv.width(), 300);
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.399");
    EXPECT_EQ(m.lblvaljatulek.caption(), "9.80%") << "the update ran on the new log";
    m.scrKoone.setValue(0);
    EXPECT_EQ(m.txtKoone.text(), "0");
    EXPECT_DOUBLE_EQ(m.picTyygas.width(), 300) << "no taper: one circle size";

    m.txtPalk.setText("250.5");
    m.Joonista_palk();
    EXPECT_EQ(m.scrDiameeter.value(), 250) << "a half goes to the even neighbour";
    EXPECT_EQ(m.txtPalk.text(), "250") << "the scroll bar's handler wrote its whole value back";
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(LogDrawing, BadLogValuesAreReportedAndDrawNothing) {
    struct Case {
        const char *field, *text, *good, *message, *title;
        int style;
    };
    const char* const noVolume =
        "There is an error in log volume calculation! Volume is 0m3! "
        "Check settings and volume coefitsent!";
    const Case cases[] = {
        {"txtPikkus", "6400", "5200", "380 - Invalid property value", "Joonista_palk",
         mb::kCritical},
        {"txtKoone", "11", "8", "380 - Invalid property value", "Joonista_palk", mb::kCritical},
        {"txtPalk", "", "200", "13 - Type mismatch", "Joonista_palk", mb::kCritical},
        {"txtPalk", "abc", "200", "13 - Type mismatch", "Joonista_palk", mb::kCritical},
        {"txtPalgimahukoefitsent", "abc", "0.95", noVolume, "LUMBRIX", mb::kOkOnly},  // reads 0
    };
    frmMain& m = main();
    const auto set = [&](const char* field, const char* text) {
        if (auto* box = static_cast<TextBox*>(m.findControl(field)))
            box->setText(text);
        else
            *store().field(field) = text;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = '" + c.text + "'");
        set(c.field, c.text);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        m.Joonista_palk();
        EXPECT_EQ(desktop.lastMessage().text, c.message);
        EXPECT_EQ(desktop.lastMessage().title, c.title);
        EXPECT_EQ(desktop.lastMessage().style, c.style);
        EXPECT_DOUBLE_EQ(m.picTyygas.width(), 241.6);
        EXPECT_EQ(m.lblPalgimaht.caption(), "0.183") << "the last good log stays";
        set(c.field, c.good);
    }
}

}  // namespace
}  // namespace lumbrix
