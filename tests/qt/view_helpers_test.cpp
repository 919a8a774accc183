// The small conversions of the front end: colours, twips, menu shortcuts, typed keys and
// the line breaks of multi-line boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "qt/menu_view.h"
#include "qt/qt_convert.h"
#include "qt/text_box_views.h"
#include "qt_test_app.h"

namespace lumbrix {
namespace {

TEST(ViewHelpers, ColoursAreBgrValuesOrSystemColoursOfThePalette) {
    test::qtApp();
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::ButtonText, QColor(7, 8, 9));
    palette.setColor(QPalette::ToolTipBase, QColor(10, 11, 12));
    struct Case {
        Color color;
        QColor expected;
    };
    const Case cases[] = {
        {colors::kOrange, QColor(255, 128, 0)},  // &H0080FF
        {0x80C0FF, QColor(255, 192, 128)},      {colors::kWhite, QColor(255, 255, 255)},
        {colors::kButtonFace, QColor(1, 2, 3)}, {colors::kWindowBackground, QColor(4, 5, 6)},
        {colors::kButtonText, QColor(7, 8, 9)}, {colors::kInfoBackground, QColor(10, 11, 12)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_EQ(qt::toQColor(c.color, palette), c.expected);
    }
}

TEST(ViewHelpers, TwipsBecomeWholePixels) {
    EXPECT_EQ(qt::twipsToPixels(1440), 96);
    EXPECT_EQ(qt::twipsToPixels(7), 0);
    EXPECT_EQ(qt::twipsToPixels(8), 1);
    EXPECT_EQ(qt::twipsToPixels(-150), -10);
}

TEST(ViewHelpers, MenuShortcutsBecomeQtKeySequences) {
    test::qtApp();
    const std::pair<const char*, const char*> cases[] = {
        {"^S", "Ctrl+S"},        {"^s", "Ctrl+S"},    {"{F1}", "F1"},   {"+{F5}", "Shift+F5"},
        {"^+N", "Ctrl+Shift+N"}, {"%{F4}", "Alt+F4"}, {"{DEL}", "Del"}, {"", ""},
    };
    for (const auto& [keys, expected] : cases) {
        SCOPED_TRACE(keys);
        EXPECT_EQ(qt::shortcutText(keys).toStdString(), expected);
    }
}

TEST(ViewHelpers, KeyEventsTypeTheModelsKeyCodes) {
    test::qtApp();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int expected;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 'a'},
        {Qt::Key_Period, Qt::NoModifier, ".", 46},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
        {Qt::Key_Left, Qt::NoModifier, "", 0},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 0},
        {Qt::Key_V, Qt::ControlModifier, "\x16", 0},  // paste: the widget's own
        {Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("õ"), 0x00F5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(qt::typedKeyCode(event), c.expected);
    }
}

TEST(ViewHelpers, MultiLineBoxesShowCrLfAsOneLineBreak) {
    EXPECT_EQ(qt::modelTextToView("a\r\nb\rc"), "a\nb\nc");
    EXPECT_EQ(qt::viewTextToModel("a\nb"), "a\r\nb");
    const std::string text = "ab\r\ncd\r\n";
    // Model positions 0..8 on screen; a position inside a CR LF pair is before the break.
    const int toView[] = {0, 1, 2, 2, 3, 4, 5, 5, 6};
    for (int pos = 0; pos <= 8; ++pos) {
        SCOPED_TRACE(pos);
        EXPECT_EQ(qt::modelPosToView(text, pos), toView[pos]);
    }
    const int toModel[] = {0, 1, 2, 4, 5, 6, 8};
    for (int pos = 0; pos <= 6; ++pos) {
        SCOPED_TRACE(pos);
        EXPECT_EQ(qt::viewPosToModel(text, pos), toModel[pos]);
    }
}

}  // namespace
}  // namespace lumbrix
