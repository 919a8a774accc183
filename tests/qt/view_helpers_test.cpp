// The small conversions of the front end: menu shortcuts and typed keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "qt/menu_view.h"
#include "qt/text_box_views.h"
#include "qt_test_app.h"

namespace lumbrix {
namespace {

TEST(ViewHelpers, MenuShortcutsBecomeQtKeySequences) {
    test::qtApp();
    const std::pair<const char*, const char*> cases[] = {
        {"^s", "Ctrl+S"},    {"+{F5}", "Shift+F5"}, {"^+N", "Ctrl+Shift+N"},
        {"%{F4}", "Alt+F4"}, {"{DEL}", "Del"},      {"", ""},
    };
    for (const auto& [keys, expected] : cases)
        EXPECT_EQ(qt::shortcutText(keys).toStdString(), expected) << keys;
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
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 0},
        {Qt::Key_V, Qt::ControlModifier, "\x16", 0},  // paste: the widget's own
        {Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("õ"), 0x00F5},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(qt::typedKeyCode(event), c.expected) << c.key;
    }
}

}  // namespace
}  // namespace lumbrix
