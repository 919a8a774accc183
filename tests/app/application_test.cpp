#include "app/application.h"

#include <gtest/gtest.h>

#include "platform/controls.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

int loads = 0;

class frmCounter : public Form {
  public:
    explicit frmCounter(Application&) : Form("frmCounter") {
        txtValue.setText("design");
        Load.connect([] { ++loads; });
        cmdClose.Click.connect([this] { unload(); });
    }
    TextBox txtValue{*this, "txtValue"};
    CommandButton cmdClose{*this, "cmdClose"};
};

TEST(Application, AWindowIsLoadedOnFirstUseAndOnlyOnce) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    Application app(desktop, folder.path());
    loads = 0;
    EXPECT_FALSE(app.isLoaded<frmCounter>());
    frmCounter& w = app.window<frmCounter>();
    EXPECT_TRUE(w.isLoaded());
    EXPECT_FALSE(w.visible()) << "loading does not show";
    EXPECT_EQ(&app.window<frmCounter>(), &w);
    EXPECT_EQ(loads, 1);
}

TEST(Application, AfterUnloadTheNextUseLoadsAFreshWindowWithDesignValues) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    Application app(desktop, folder.path());
    loads = 0;
    app.window<frmCounter>().txtValue.setText("typed");
    app.window<frmCounter>().cmdClose.press();
    EXPECT_FALSE(app.isLoaded<frmCounter>());
    EXPECT_EQ(app.window<frmCounter>().txtValue.text(), "design");
    EXPECT_EQ(loads, 2);
}

TEST(Application, UserSettingsLiveInTheDesktopsSettingsFile) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    desktop.setUserSettingsPath(folder.userSettingsPath());
    {
        Application app(desktop, folder.path());
        EXPECT_EQ(app.userSettings().get("DefaultLanguage", "english.keel"), "english.keel");
        ASSERT_TRUE(app.userSettings().save("DefaultLanguage", "eesti.keel"));
    }
    Application next(desktop, folder.path());
    EXPECT_EQ(next.userSettings().get("DefaultLanguage", "english.keel"), "eesti.keel");
}

}  // namespace
}  // namespace lumbrix
