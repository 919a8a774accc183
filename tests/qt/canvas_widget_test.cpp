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
    QWidget* canvas() { return view->widgetOf(form.picCanvas); }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(canvas()->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(canvas(), &event);
    }
    // Clicks at `at` and returns the events it raised.
    Log click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        form.clearLog();
        send(QEvent::MouseButtonPress, at, button, button);
        send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        return form.events;
    }
    static Log clicked(const std::string& box, const std::string& where) {
        return {box + "_MouseDown " + where, box + "_MouseUp " + where, box + "_Click"};
    }
};

TEST_F(CanvasWidgetTest, AClickReachesTheBoxUnderThePointerInItsUnits) {
    struct Case {
        QPoint at;
        Qt::MouseButton button;
        const char* box;
        const char* where;  // button, then x,y in the box's units
    };
    const Case cases[] = {
        // The board has no scale of its own: twips from its corner (20 and 25 pixels in).
        {{72, 77}, Qt::LeftButton, "picBoard", "1 300,375"},
        {{91, 101}, Qt::LeftButton, "picBoard", "1 585,735"},  // its last pixel
        {{92, 77}, Qt::LeftButton, "picCanvas", "1 -10,0"},    // just beside it
        {{2, 152}, Qt::RightButton, "picCanvas", "2 -100,-75"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(click(c.at, c.button), clicked(c.box, c.where));
    }
    // A hidden board takes no mouse: the canvas gets it.
    form.picBoard.setVisible(false);
    EXPECT_EQ(click({72, 77}), clicked("picCanvas", "1 -30,0"));
    // A new scale moves the widgets inside and maps the mouse: two units a pixel, y downwards.
    form.picCanvas.scale(0, 0, 400, 300);
    qt::FormView::refreshAll();
    EXPECT_EQ(widget(form.lblInCanvas)->geometry(), QRect(2, -8, 25, 10));
    EXPECT_EQ(click({52, 42}), clicked("picCanvas", "1 100,80"));
}

TEST_F(CanvasWidgetTest, DrawsTheModelInItsScale) {
    form.picCanvas.line(0, 50, 50, 50, colors::rgb(0, 160, 0));          // y 50: widget row 27
    form.picCanvas.box(60, -60, 80, -70, colors::rgb(0, 0, 200), true);  // 162..182, 137..147
    qt::FormView::refreshAll();
    const QImage image = canvas()->grab().toImage();
    ASSERT_EQ(image.size(), QSize(204, 154));
    const std::pair<QPoint, QColor> probes[] = {
        {{190, 10}, Qt::white},           // background
        {{120, 27}, QColor(0, 160, 0)},   // the drawn line
        {{170, 141}, QColor(0, 0, 200)},  // the filled box
        {{20, 78}, Qt::red},              // the line control, 3 pixels wide
        {{72, 77}, QColor(255, 128, 0)},  // the child box, above the line control
        {{120, 60}, Qt::white},           // inside the circle shape (not filled)
    };
    for (const auto& [at, expected] : probes)
        EXPECT_EQ(image.pixelColor(at), expected) << at.x() << "," << at.y();

    // Clearing removes the drawing but not the controls.
    form.picCanvas.cls();
    qt::FormView::refreshAll();
    const QImage cleared = canvas()->grab().toImage();
    EXPECT_EQ(cleared.pixelColor(120, 27), Qt::white);
    EXPECT_EQ(cleared.pixelColor(72, 77), QColor(255, 128, 0));
}

}  // namespace
}  // namespace lumbrix
