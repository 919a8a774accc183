// A command button shows the picture its model names.
#include <gtest/gtest.h>

#include <QPushButton>

#include "platform/controls.h"
#include "qt/form_view.h"
#include "qt_test_app.h"
#include "test_desktop.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

class PictureWindow : public Form {
  public:
    PictureWindow() : Form("frmPicture") {
        move(0, 0, 3000, 2000);
        cmdPlace.move(120, 120, 1500, 600);
        cmdPlace.setCaption("Centre");
    }
    CommandButton cmdPlace{*this, "cmdPlace"};
};

TEST(CommandButtonView, ShowsThePictureOfItsModel) {
    test::qtApp();
    test::TestDesktop desktop;
    PictureWindow window;
    qt::FormView view(window);
    auto* button = qobject_cast<QPushButton*>(view.widgetOf(window.cmdPlace));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->icon().isNull());
    window.cmdPlace.setPicture(std::string(test::kShippedDataDir) + "/pictures/place_centre.png");
    view.refresh();
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_LE(button->iconSize().height(), 32);
    window.cmdPlace.setPicture("");
    view.refresh();
    EXPECT_TRUE(button->icon().isNull());
}

}  // namespace
}  // namespace lumbrix
