#include "store/frm_main_sub.h"

#include <gtest/gtest.h>

#include <string>

#include "app/application.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

class FrmMainSubTest : public ::testing::Test {
  protected:
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    Application app{desktop, folder.path()};
    frmMainSub& store = app.window<frmMainSub>();

    // Every per-board share and contribution element, with the list it belongs to.
    template <class Visit>
    void forEachBoardResult(Visit visit) {
        const auto both = [&](BoardList list, auto& shares, auto& contributions) {
            for (std::string& e : shares)
                visit(list, e);
            for (std::string& e : contributions)
                visit(list, e);
        };
        both(BoardList::Syda, store.lblSydaosakaal, store.lblsydamargin);
        both(BoardList::KylgVasak, store.lblKylgVasakosakaal, store.lblKylgVasakmargin);
        both(BoardList::KylgParem, store.lblKylgParemosakaal, store.lblKylgParemmargin);
        both(BoardList::SeimerAll, store.lblSeimerAllosakaal, store.lblSeimerAllmargin);
        both(BoardList::SeimerYleval, store.lblSeimerYlevalosakaal, store.lblSeimerYlevalmargin);
    }
};

TEST_F(FrmMainSubTest, IsAHiddenStoreWhoseSettingsStartWithTheirDesignValues) {
    EXPECT_TRUE(store.isLoaded());
    EXPECT_FALSE(store.visible());
    // The calculations read these before any profile is loaded.
    struct Case {
        const char* name;
        const char* design;
    };
    const Case cases[] = {
        {"txtPalgiMoodul", "300"},
        {"txtPalgimahukoefitsent", "0.95"},
        {"txtCE", "0"},
        {"txtKetas1saag", "5"},
        {"txtKetas2saag", "4"},
        {"txtKetasSeimer", "5"},
        {"txtKetasTrimmer", "5"},
        {"txtKoefitsentHake", "2.4"},
        {"txtKoefitsentPuru", "3.4"},
        {"txtKoefitsentKoorPalgist", "0.08"},
        {"lblArvutaTaiskant", "0"},
        {"txtKappimineSydmat", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string* field = store.field(c.name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(*field, c.design);
    }
    EXPECT_EQ(store.field("lblKKLabelLogATP"), &store.lblKKLabelLogATP);
    EXPECT_EQ(store.field("LBLKKLABELLOGATP"), nullptr) << "names match exactly";
    EXPECT_EQ(store.field("lblSydaosakaal"), nullptr) << "arrays are not fields";
}

TEST_F(FrmMainSubTest, RemovingABoardBlanksOnlyThatListsResultsAndANewPatternBlanksThemAll) {
    const BoardList lists[] = {BoardList::Syda, BoardList::KylgVasak, BoardList::KylgParem,
                               BoardList::SeimerAll, BoardList::SeimerYleval};
    for (BoardList cleared : lists) {
        SCOPED_TRACE(static_cast<int>(cleared));
        forEachBoardResult([](BoardList, std::string& e) { e = "0.125"; });
        store.lblSydaOsakaalSydames.fill("0.5");
        store.clearBoardResults(cleared);
        int blanked = 0;
        forEachBoardResult([&](BoardList list, std::string& e) {
            EXPECT_EQ(e, list == cleared ? "" : "0.125");
            blanked += list == cleared;
        });
        EXPECT_EQ(blanked, cleared == BoardList::Syda ? 16 : 4);
        EXPECT_EQ(store.lblSydaOsakaalSydames[7], "0.5");
    }
    store.clearAllBoardResults();
    forEachBoardResult([](BoardList, std::string& e) { EXPECT_EQ(e, ""); });
    EXPECT_EQ(store.lblSydaOsakaalSydames[0], "0.5") << "only the per-board results";
}

}  // namespace
}  // namespace lumbrix
