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

    void fillEverything() {
        forEachBoardResult([](BoardList, std::string& e) { e = "0.125"; });
        for (auto* g : {&store.lblSydaOsakaalSydames, &store.lblSydaHindSydames})
            g->fill("0.5");
        store.lblpurupuistekant = "1.7";
    }
};

TEST_F(FrmMainSubTest, IsAHiddenStoreLoadedOnceForTheRun) {
    EXPECT_EQ(store.name(), "frmMainSub");
    EXPECT_TRUE(store.isLoaded());
    EXPECT_TRUE(store.neverShown());
    EXPECT_FALSE(store.visible());
    store.txtKetas2saag = "3.2";
    EXPECT_EQ(&app.window<frmMainSub>(), &store);
    EXPECT_EQ(app.window<frmMainSub>().txtKetas2saag, "3.2");
}

TEST_F(FrmMainSubTest, FieldsStartWithTheirDesignValues) {
    struct Case {
        const char* name;
        const char* design;
    };
    const Case cases[] = {
        {"txtKappimineSydmat", ""},
        {"txtKappimineLauad", ""},
        {"txtPalgiMoodul", "300"},
        {"txtPalgimahukoefitsent", "0.95"},
        {"txtKuisedPysikuludKokku", ""},
        {"txtKuisedAmordikuludKokku", ""},
        {"txtCE", "0"},
        {"txtYhikuMuutuvkulud", ""},
        {"txtKuineTootmismaht", ""},
        {"txtKetas1saag", "5"},
        {"txtKetas2saag", "4"},
        {"txtKetasSeimer", "5"},
        {"txtKetasTrimmer", "5"},
        {"txtKoefitsentHake", "2.4"},
        {"txtKoefitsentPuru", "3.4"},
        {"txtKoefitsentKoor", "3.4"},
        {"txtKoefitsentKoorPalgist", "0.08"},
        {"txtHakehind", ""},
        {"txtsaepuruHind", ""},
        {"txtkoorhind", ""},
        {"lblSalvestatud", ""},
        {"lblArvutaTaiskant", "0"},
        {"txtKuluTootmine", ""},
        {"txtKuluAmort", ""},
        {"txtAutoFit", ""},
        {"txtVaikimisiProfiil", ""},
        {"txtpalgiklass", ""},
        {"txtpalgiminDiam", ""},
        {"txtpalgiMaxdiam", ""},
        {"txtpalgitasku", ""},
        {"txtpalgiklassihind", ""},
        {"txtristloige", ""},
        {"txtpaksus", ""},
        {"txtlaius", ""},
        {"txttootehind", ""},
        {"txtNiiskus", ""},
        {"txtKommentaar", ""},
        {"lblsaematmaht", ""},
        {"lblpurumaht", ""},
        {"lblhakkemaht", ""},
        {"lblkoormaht", ""},
        {"lblpurupuistekant", ""},
        {"lblpuistehakkekant", ""},
        {"lblpuistekoorkant", ""},
        {"lblcompareselected", ""},
        {"lblmnuInfoclicked", "0"},
        {"lblKKLabelLogATP", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string* field = store.field(c.name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(*field, c.design);
    }
    EXPECT_EQ(store.txtPalgimahukoefitsent, "0.95");
    EXPECT_EQ(store.txtKetas2saag, "4");
    EXPECT_EQ(store.lblmnuInfoclicked, "0");
    forEachBoardResult([](BoardList, std::string& e) { EXPECT_EQ(e, ""); });
    for (const auto* g : {&store.lblSydaOsakaalSydames, &store.lblSydaHindSydames})
        for (const std::string& e : *g)
            EXPECT_EQ(e, "");
}

TEST_F(FrmMainSubTest, FieldByNameIsTheMemberItselfAndUnknownNamesGiveNull) {
    std::string* caption = store.field("lblKKLabelLogATP");
    ASSERT_EQ(caption, &store.lblKKLabelLogATP);
    *caption = "Toorme hind";
    EXPECT_EQ(store.lblKKLabelLogATP, "Toorme hind");
    EXPECT_EQ(store.field("txtristloige"), &store.txtristloige);
    EXPECT_EQ(store.field("lblpuistekoorkant"), &store.lblpuistekoorkant);

    for (const char* unknown : {"", "lblKKLabelLogAT", "LBLKKLABELLOGATP", "lblKKLabelLogATP ",
                                "lblSydaosakaal", "lblSydaHindSydames", "txtPikkus"}) {
        SCOPED_TRACE(unknown);
        EXPECT_EQ(store.field(unknown), nullptr);
    }
    const frmMainSub& readOnly = store;
    EXPECT_EQ(readOnly.field("txtKetas1saag"), &store.txtKetas1saag);
    EXPECT_EQ(readOnly.field("nothing"), nullptr);
}

TEST_F(FrmMainSubTest, RemovingABoardBlanksOnlyThatListsResults) {
    const BoardList lists[] = {BoardList::Syda, BoardList::KylgVasak, BoardList::KylgParem,
                               BoardList::SeimerAll, BoardList::SeimerYleval};
    for (BoardList cleared : lists) {
        SCOPED_TRACE(static_cast<int>(cleared));
        fillEverything();
        store.clearBoardResults(cleared);
        int blanked = 0;
        forEachBoardResult([&](BoardList list, std::string& e) {
            if (list == cleared) {
                EXPECT_EQ(e, "");
                ++blanked;
            } else {
                EXPECT_EQ(e, "0.125");
            }
        });
        EXPECT_EQ(blanked, cleared == BoardList::Syda ? 16 : 4);
        EXPECT_EQ(store.lblSydaOsakaalSydames[7], "0.5");
    }
}

TEST_F(FrmMainSubTest, NewPatternBlanksEveryBoardResultButNotTheOtherGroups) {
    fillEverything();
    store.clearAllBoardResults();
    int blanked = 0;
    forEachBoardResult([&](BoardList, std::string& e) {
        EXPECT_EQ(e, "");
        ++blanked;
    });
    EXPECT_EQ(blanked, 32);
    EXPECT_EQ(store.lblSydaHindSydames[0], "0.5");
    EXPECT_EQ(store.lblpurupuistekant, "1.7");
}

}  // namespace
}  // namespace lumbrix
