#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "sample_window.h"

namespace lumbrix::test {

// The sample window shown on the Qt desktop (offscreen), its log cleared.
class ShownSampleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qtApp();
        desktop = std::make_unique<qt::QtDesktop>();
        form.show();
        window = desktop->windowOf(form);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        view = window->view();
        form.clearLog();
    }
    // The windows go before the window models they show.
    void TearDown() override { desktop.reset(); }

    template <class W = QWidget>
    W* widget(const Control& c) {
        return qobject_cast<W*>(view->widgetOf(c));
    }

    SampleWindow form;
    std::unique_ptr<qt::QtDesktop> desktop;
    qt::FormWindow* window = nullptr;
    qt::FormView* view = nullptr;
};

}  // namespace lumbrix::test
