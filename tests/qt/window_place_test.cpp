// Where a window opens on the Qt desktop: each edge its code placed where the code placed it,
// 0 included, and an edge nobody placed centred over the owner. The pattern sheet's preview
// opens at the top of the screen, centred over the main window across.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <memory>
#include <optional>

#include "patterns/frm_print_preview.h"
#include "qt/form_window.h"
#include "qt/qt_convert.h"
#include "shown_main_window.h"
#include "shown_sample.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

using qt::twipsToPixels;

// The offscreen desktop gives a window a frame 2 pixels wide and puts now the frame, now the
// client area at the point given: places are compared to within the frame on both sides.
constexpr int kFrame = 2;

bool near(QPoint a, QPoint b) {
    return std::abs(a.x() - b.x()) <= 2 * kFrame && std::abs(a.y() - b.y()) <= 2 * kFrame;
}

// The owner shown at 100, 60 pixels; a dialog of 320 x 240 pixels, placed by its load.
class WindowPlace : public test::ShownSampleTest {
  protected:
    void SetUp() override {
        ShownSampleTest::SetUp();
        form.move(1500, 900);
        qt::FormView::refreshAll();
        dialog.setCaption("Placed");
        dialog.move(0, 0, 4800 + kFrameTwips, 3600 + kTitleBarTwips);
    }
    void TearDown() override {
        dialog.unload();
        ShownSampleTest::TearDown();
    }
    // The top left corner of the dialog's client area, shown modally over the owner after its
    // load placed the edges it was given (twips).
    QPoint openedAt(std::optional<double> left, std::optional<double> top) {
        dialog.load();
        if (left) dialog.setLeft(*left);
        if (top) dialog.setTop(*top);
        QPoint at(-100, -100);
        test::whenShown<qt::FormWindow>(
            [&](qt::FormWindow& shown) {
                at = shown.geometry().topLeft();
                dialog.hide();
            },
            "Placed");
        dialog.showModal(&form);
        return at;
    }
    // Where the dialog's client area stands centred over the owner.
    QPoint centredOverOwner() const {
        const QSize size(twipsToPixels(4800), twipsToPixels(3600));
        return window->frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2);
    }

    Form dialog{"frmPlaced"};
};

TEST_F(WindowPlace, EachEdgeTheCodePlacedIsWhereItWasPlacedAndTheOthersCentreOverTheOwner) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(screen.contains(QRect(centredOverOwner(), QSize(320, 240))))
        << "the owner stands where a dialog centred over it fits the screen";
    const QPoint centred = centredOverOwner();
    const struct {
        const char* name;
        std::optional<double> left, top;
        QPoint expected;
    } cases[] = {
        {"top 0 only", std::nullopt, 0, {centred.x(), 0}},
        {"left 0 only", 0, std::nullopt, {0, centred.y()}},
        {"both 0", 0, 0, {0, 0}},
        {"both placed", 450, 300, {30, 20}},
        {"nothing placed", std::nullopt, std::nullopt, centred},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint at = openedAt(c.left, c.top);
        EXPECT_TRUE(near(at, c.expected)) << at.x() << ", " << at.y();
        // The model keeps the edges placed as they were placed and takes the others from the
        // window.
        EXPECT_EQ(dialog.left(), c.left.value_or(dialog.left()));
        EXPECT_EQ(dialog.top(), c.top.value_or(dialog.top()));
        EXPECT_TRUE(near(QPoint(twipsToPixels(dialog.left()), twipsToPixels(dialog.top())), at));
        dialog.unload();
    }
}

class PreviewPlace : public test::ShownMainWindowTest {};

TEST_F(PreviewPlace, ThePreviewOpensAtTheTopOfTheScreenCentredOverTheMainWindowAcross) {
    m->tmr_Startup_Timer();
    test::fillFullPattern(*m);
    window->move(120, 90);
    QRect opened;
    double modelTop = -1;
    test::whenShown<qt::FormWindow>(
        [&](qt::FormWindow& shown) {
            opened = shown.geometry();
            auto& sheet = static_cast<frmPrintPreview&>(shown.form());
            modelTop = sheet.top();
            shown.view()->dispatch([&sheet] { sheet.cmdSulge.press(); });
        },
        QString::fromStdString(m->mnuSaekavaEelvaade.caption()));
    m->mnuSaekavaEelvaade.click();
    ASSERT_FALSE(opened.isNull()) << "the preview was not shown";
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE(std::abs(opened.top() - screen.top()), 2 * kFrame) << opened.top();
    EXPECT_EQ(modelTop, 0);
    // Across, the preview stands where a dialog opens over the main window: centred over it,
    // as far as the screen lets it.
    const int centred = window->frameGeometry().center().x() - opened.width() / 2;
    const int onScreen =
        std::max(screen.left(), std::min(centred, screen.right() + 1 - opened.width()));
    EXPECT_LE(std::abs(opened.left() - onScreen), 2 * kFrame) << opened.left();
}

}  // namespace
}  // namespace lumbrix
