#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
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

// Runs `action` on every message box on screen.
inline void forEachShownBox(const std::function<void(QMessageBox&)>& action) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) action(*box);
    }
}

// While it lives, hands every message box on screen to `answer` each 20 ms, which reads and
// closes it.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(std::function<void(QMessageBox&)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [answer] { forEachShownBox(answer); });
        timer_.start(20);
    }

  private:
    QTimer timer_;
};

}  // namespace lumbrix::test
