#pragma once

#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "store/saved_list.h"

namespace lumbrix::test {

// The main window over the shipped LUMBRIX profile (13 centre, 8 edger and 8 side products),
// after the start-up selection: the editor and the picker both on centre material.
class CatalogueTest : public MainWindowTest {
  protected:
    void SetUp() override {
        folder.copyShippedData();
        main().tmr_Startup_Timer();
        ASSERT_TRUE(desktop.messages().empty());
    }

    // The rows of one of the profile's list files ("center", "edger", "side").
    std::vector<std::string> fileRows(const std::string& name) {
        return readSavedList(folder / ("database/LUMBRIX/" + name)).rows;
    }

    // Types the product's sizes and quality table into the editor's fields.
    void enterProduct(const std::string& thickness, const std::string& width,
                      const std::vector<std::string>& shares,
                      const std::vector<std::string>& prices) {
        frmMain& m = main();
        m.txtDimPaksus.setText(thickness);
        m.txtDimLaius.setText(width);
        for (std::size_t k = 0; k < 6; ++k) {
            const int quality = static_cast<int>(k) + 1;
            m.txtQualShare(quality).setText(k < shares.size() ? shares[k] : "");
            m.txtQualPrice(quality).setText(k < prices.size() ? prices[k] : "");
        }
    }

    // Picks the editor's row that begins with `start`; its index.
    int pickEditorRow(const std::string& start) {
        frmMain& m = main();
        for (int i = 0; i < m.lstTootedDim.listCount(); ++i) {
            if (m.lstTootedDim.list(i).rfind(start, 0) == 0) {
                m.lstTootedDim.setListIndex(i);
                return i;
            }
        }
        ADD_FAILURE() << "no row begins with " << start;
        return -1;
    }

    void expectMessage(const std::string& text, int style, const std::string& title) {
        ASSERT_FALSE(desktop.messages().empty());
        EXPECT_EQ(desktop.lastMessage().text, text);
        EXPECT_EQ(desktop.lastMessage().style, style);
        EXPECT_EQ(desktop.lastMessage().title, title);
    }
};

}  // namespace lumbrix::test
