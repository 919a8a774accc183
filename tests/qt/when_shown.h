#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTimer>
#include <functional>

namespace lumbrix::test {

// Runs `action` on the first visible window of type W (with the title `title`, when one is
// given) once the event loop runs: inside the window's own loop, for a dialog being opened.
template <class W>
void whenShown(std::function<void(W&)> action, QString title = {}) {
    QTimer::singleShot(0, [action, title] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<W*>(w);
            if (found && found->isVisible() && (title.isEmpty() || found->windowTitle() == title)) {
                action(*found);
                return;
            }
        }
        ADD_FAILURE() << "No " << W::staticMetaObject.className() << " was shown";
    });
}

}  // namespace lumbrix::test
