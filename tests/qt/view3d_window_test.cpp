// The 3D view on the Qt desktop: opened modally over the main window from the drawing's menu,
// the wireframe drawn on black, the mouse dragging the view round (also outside the picture
// while the button is held), the zoom and centre buttons and the line-width spinner.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "qt/canvas_widget.h"
#include "shown_main_window.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "view3d/frm_3d_show.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

class View3dWindow : public test::InstalledAppTest {
  protected:
    void SetUp() override {
        InstalledAppTest::SetUp();
        loadMainWindow();
        frmMainSub& sub = m->store();
        sub.txtKetas1saag = "5";
        sub.txtKetas2saag = "4";
        sub.txtKappimineSydmat = "100";
        sub.txtKappimineLauad = "100";
        // Three centre boards 47 x 150 with a side board each side: x -104 .. 103.
        const std::string centre = composeBoardRow(
            boardRowHead("    44", "   145", "    47", "   150"), 5100, 0.036, "  450");
        const std::string side = composeBoardRow(
            boardRowHead("    22", "    95", "    25", "   100"), 5000, 0.013, "  450");
        for (int i = 0; i < 3; ++i)
            m->lstSyda.addItem(centre);
        m->lstKylgVasak.addItem(side);
        m->lstKylgParem.addItem(side);
        m->hideBoardBoxes();
        m->layOutBoardBoxes();
        m->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(desktop->windowOf(*m)));
    }
    static void mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // True when a pixel within one pixel of `at` has `colour`.
    static bool colourNear(const QImage& image, QPoint at, QColor colour) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (image.pixelColor(at + QPoint(dx, dy)) == colour) return true;
        return false;
    }
};

TEST_F(View3dWindow, ThePlannerTurnsZoomsAndCentresTheWireframe) {
    bool ran = false;
    test::whenShown<qt::FormWindow>(
        [&](qt::FormWindow& window) {
            ran = true;
            auto& v = static_cast<frm3dShow&>(window.form());
            EXPECT_TRUE(window.isModal());
            EXPECT_EQ(window.parentWidget(), desktop->windowOf(*m));
            auto* canvas = dynamic_cast<qt::CanvasWidget*>(window.view()->widgetOf(v.Pic1));
            ASSERT_NE(canvas, nullptr);
            EXPECT_EQ(canvas->size(), QSize(589, 589));

            // Where a point of the view lands, worked out from the window's own geometry and
            // not from the canvas's mapping: 1000 scale units from -500 across the picture's
            // 585 client pixels, inside a border of 2 pixels.
            const auto pixel = [](double x, double y) {
                return QPointF(2 + (x + 500) * 0.585, 2 + (y + 500) * 0.585);
            };
            const QPointF corner = pixel(-75, -75);  // the centre block's corner 1
            const QPointF centre = pixel(0, 0);

            // Looking along the log: black ground, the orange back faces over the fronts,
            // the white cross axes; the log-end labels left of and above corner 1.
            QImage image = canvas->grab().toImage();
            EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::black));
            EXPECT_TRUE(colourNear(image, corner.toPoint(), QColor(255, 190, 0)));
            EXPECT_FALSE(colourNear(image, pixel(-95, -75).toPoint(), QColor(255, 190, 0)))
                << "nothing orange left of the block";
            EXPECT_TRUE(colourNear(image, pixel(-300, 0).toPoint(), Qt::white));
            EXPECT_TRUE(colourNear(image, pixel(0, 300).toPoint(), Qt::white));
            const QRect end = window.view()->widgetOf(v.lblPalkLopp)->geometry();
            EXPECT_NEAR(end.right(), corner.x() - 5 * 0.585, 2);
            EXPECT_NEAR(end.bottom(), corner.y() - 5 * 0.585, 2);

            // Dragging with the left button: the pointer's offset from the centre is the angle,
            // and the picture keeps the mouse while the button is held, also outside it.
            mouse(canvas, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
            mouse(canvas, QEvent::MouseMove, pixel(100, -40), Qt::NoButton, Qt::LeftButton);
            EXPECT_EQ(v.HScroll1.value(), 100);
            EXPECT_EQ(v.VScroll1.value(), -40);
            const QImage turned = canvas->grab().toImage();
            EXPECT_NE(turned, image) << "the turned view is drawn";
            mouse(canvas, QEvent::MouseMove, QPointF(900, -300), Qt::NoButton, Qt::LeftButton);
            EXPECT_EQ(v.HScroll1.value(), 180);
            EXPECT_EQ(v.VScroll1.value(), -180);
            mouse(canvas, QEvent::MouseButtonRelease, QPointF(900, -300), Qt::LeftButton,
                  Qt::NoButton);

            // The three buttons show the program's own pictures, no symbol-font glyph.
            for (const CommandButton* b : {&v.Command2, &v.cmdCenter, &v.Command3}) {
                auto* button = qobject_cast<QAbstractButton*>(window.view()->widgetOf(*b));
                ASSERT_NE(button, nullptr);
                EXPECT_FALSE(button->icon().isNull()) << b->name();
                EXPECT_TRUE(button->text().isEmpty()) << b->name();
            }
            QTest::mouseClick(window.view()->widgetOf(v.Command2), Qt::LeftButton);
            QTest::mouseClick(window.view()->widgetOf(v.Command2), Qt::LeftButton);
            EXPECT_EQ(v.Pic1.scaleHeight(), 900);
            QTest::mouseClick(window.view()->widgetOf(v.Command3), Qt::LeftButton);
            EXPECT_EQ(v.Pic1.scaleHeight(), 950);
            QTest::mouseClick(window.view()->widgetOf(v.cmdCenter), Qt::LeftButton);
            EXPECT_EQ(v.Pic1.scaleHeight(), 800);
            EXPECT_EQ(v.HScroll1.value(), 0);
            EXPECT_EQ(v.HScroll2.value(), 0);

            // The spinner sets the width the boxes are drawn with.
            auto* spinner = qobject_cast<QScrollBar*>(window.view()->widgetOf(v.scrJoonePaksus));
            ASSERT_NE(spinner, nullptr);
            spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(v.txtJoonepaksus.text(), "2");
            EXPECT_EQ(v.Pic1.drawing().back().width, 2);
            window.close();
        },
        "Lumbrix - 3D");
    m->mnupalk3Denable.click();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(app->isLoaded<frm3dShow>()) << "closing unloads the view";
}

}  // namespace
}  // namespace lumbrix
