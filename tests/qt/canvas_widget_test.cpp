// The canvas of a picture box: the mouse in scale units and on the box under the pointer,
// and the model drawn in its scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "qt/canvas_widget.h"
#include "shown_sample.h"

namespace lumbrix {
namespace {

using Log = std::vector<std::string>;

// The sample's canvas has a 2-pixel border and a client area of 200 x 150 pixels with the
// scale (-100, 75) to (100, -75): one unit a pixel, y upwards. Its board `picBoard` covers
// x -50..-10 and y 25 down to -25, that is the widget's pixels 52..91 across, 52..101 down.
class CanvasWidgetTest : public test::ShownSampleTest {
  protected:
    qt::CanvasWidget* canvas() {
        return dynamic_cast<qt::CanvasWidget*>(view->widgetOf(form.picCanvas));
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* w = canvas();
        QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, at, button, button);
        send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
};

TEST_F(CanvasWidgetTest, AClickReachesTheBoxUnderThePointerInItsUnits) {
    struct Case {
        const char* what;
        QPoint at;
        Qt::MouseButton button;
        Log expected;
    };
    const std::vector<Case> cases = {
        // The board has no scale of its own: twips from its corner (20 and 25 pixels in).
        {"board",
         {72, 77},
         Qt::LeftButton,
         {"picBoard_MouseDown 1 300,375", "picBoard_MouseUp 1 300,375", "picBoard_Click"}},
        {"canvas",
         {152, 32},
         Qt::LeftButton,
         {"picCanvas_MouseDown 1 50,45", "picCanvas_MouseUp 1 50,45", "picCanvas_Click"}},
        {"canvas, right button",
         {2, 152},
         Qt::RightButton,
         {"picCanvas_MouseDown 2 -100,-75", "picCanvas_MouseUp 2 -100,-75", "picCanvas_Click"}},
        {"board's last pixel",
         {91, 101},
         Qt::LeftButton,
         {"picBoard_MouseDown 1 585,735", "picBoard_MouseUp 1 585,735", "picBoard_Click"}},
        {"just beside the board",
         {92, 77},
         Qt::LeftButton,
         {"picCanvas_MouseDown 1 -10,0", "picCanvas_MouseUp 1 -10,0", "picCanvas_Click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form.clearLog();
        click(c.at, c.button);
        EXPECT_EQ(form.events, c.expected);
    }
    // A hidden board takes no mouse: the canvas gets it.
    form.picBoard.setVisible(false);
    form.clearLog();
    click({72, 77});
    EXPECT_EQ(form.events,
              (Log{"picCanvas_MouseDown 1 -30,0", "picCanvas_MouseUp 1 -30,0", "picCanvas_Click"}));
}

TEST_F(CanvasWidgetTest, APressedButtonStaysWithItsBoxAndMovesReportTheButtons) {
    send(QEvent::MouseMove, {152, 32}, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, {72, 77}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {152, 32}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {152, 32}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, {152, 32}, Qt::NoButton, Qt::NoButton);
    // Released away from the board: no click.
    EXPECT_EQ(form.events, (Log{"picCanvas_MouseMove 0 50,45", "picBoard_MouseDown 1 300,375",
                                "picBoard_MouseMove 1 1500,-300", "picBoard_MouseUp 1 1500,-300",
                                "picCanvas_MouseMove 0 50,45"}));
}

TEST_F(CanvasWidgetTest, ADoubleClickRaisesDblClickAndNoSecondClick) {
    send(QEvent::MouseButtonPress, {72, 77}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {72, 77}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, {72, 77}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {72, 77}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form.events,
              (Log{"picBoard_MouseDown 1 300,375", "picBoard_MouseUp 1 300,375", "picBoard_Click",
                   "picBoard_DblClick", "picBoard_MouseUp 1 300,375"}));
}

TEST_F(CanvasWidgetTest, DrawsTheModelInItsScale) {
    const Color green = colors::rgb(0, 160, 0);
    const Color blue = colors::rgb(0, 0, 200);
    form.picCanvas.line(0, 50, 50, 50, green);         // y 50: widget row 27
    form.picCanvas.box(60, -60, 80, -70, blue, true);  // widget 162..182, 137..147
    form.picCanvas.setDrawWidth(5);
    form.picCanvas.pset(-80, -50, colors::kBlack);  // a 5-pixel dot around (22, 127)
    qt::FormView::refreshAll();
    const QImage image = canvas()->grab().toImage();
    ASSERT_EQ(image.size(), QSize(204, 154));

    struct Probe {
        const char* what;
        QPoint at;
        QColor expected;
    };
    const Probe probes[] = {
        {"background", {190, 10}, Qt::white},
        {"line drawn with line()", {120, 27}, QColor(0, 160, 0)},
        {"filled box", {170, 141}, QColor(0, 0, 200)},
        {"wide point", {23, 128}, Qt::black},
        {"line control, 3 pixels wide", {20, 76}, Qt::red},
        {"line control, 3 pixels wide", {20, 78}, Qt::red},
        {"child box above the line control", {72, 77}, QColor(255, 128, 0)},
        {"child box", {60, 95}, QColor(255, 128, 0)},
        {"inside the circle shape (not filled)", {120, 60}, Qt::white},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(image.pixelColor(p.at), p.expected) << p.at.x() << "," << p.at.y();
    }
    // The circle shape's outline in its border colour crosses the top of its square.
    bool outline = false;
    for (int y = 15; y <= 20; ++y)
        outline |= image.pixelColor(102, y) == QColor(0, 0, 255);
    EXPECT_TRUE(outline);
    // The sunken border is not the background.
    EXPECT_NE(image.pixelColor(0, 0), Qt::white);

    // Clearing removes the drawing but not the controls.
    form.picCanvas.cls();
    qt::FormView::refreshAll();
    const QImage cleared = canvas()->grab().toImage();
    EXPECT_EQ(cleared.pixelColor(120, 27), Qt::white);
    EXPECT_EQ(cleared.pixelColor(72, 77), QColor(255, 128, 0));
}

TEST_F(CanvasWidgetTest, WidgetsInsideFollowAChangeOfScale) {
    EXPECT_EQ(widget(form.lblInCanvas)->geometry(), QRect(102, 77, 50, 20));
    form.picCanvas.scale(0, 0, 400, 300);  // two units a pixel, y downwards
    qt::FormView::refreshAll();
    EXPECT_EQ(widget(form.lblInCanvas)->geometry(), QRect(2, -8, 25, 10));
    // The mouse follows the new scale too.
    form.picBoard.setVisible(false);
    click({52, 42});
    EXPECT_EQ(form.events.front(), "picCanvas_MouseDown 1 100,80");
}

}  // namespace
}  // namespace lumbrix
