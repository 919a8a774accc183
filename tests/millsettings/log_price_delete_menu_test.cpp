// The log price editor's delete button opens its menu at the button, as the other pop-ups
// opened by a button do: at the button's lower left corner.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "millsettings/frm_palgi_hinnad.h"

namespace lumbrix {
namespace {

class LogPriceDeleteMenu : public test::MainWindowTest {};

TEST_F(LogPriceDeleteMenu, OpensAtTheLowerLeftCornerOfTheDeleteButton) {
    frmPalgiHinnad& e = app->window<frmPalgiHinnad>();
    e.txtpalgitasku.setText("7");
    e.txtMinDiameeter.setText("50");
    e.txtMaxDiameeter.setText("99");
    e.txtHind.setText("45.5");
    e.cmdLisaHind.press();
    ASSERT_EQ(e.lstPalgiHinnad.listCount(), 1);
    e.lstPalgiHinnad.setListIndex(0);
    ASSERT_TRUE(e.cmdKustuta.enabled());
    desktop.choosePopupItem("");  // the planner closes the menu without a choice
    e.cmdKustuta.press();
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    const auto& shown = desktop.popupsShown().back();
    EXPECT_EQ(shown.menuName, "mnuKustuta");
    EXPECT_FALSE(shown.atPointer);
    EXPECT_EQ(shown.xTwips, e.cmdKustuta.left());
    EXPECT_EQ(shown.yTwips, e.cmdKustuta.top() + e.cmdKustuta.height());
    e.unload();
}

}  // namespace
}  // namespace lumbrix
