// The main window's first layout, as constructed (the layout is a design value): everything
// shown fits its tab page or frame and covers nothing else, and what starts hidden is hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

// The tab strip's border and row of tabs, and a frame's caption band, in twips.
constexpr double kTabBorder = 30;
constexpr double kTabRow = 360;
constexpr double kFrameCaption = 240;

struct Rect {
    double left, top, right, bottom;
};

Rect rectOf(const Control& c) {
    return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

bool inside(const Rect& r, const Rect& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
           r.bottom <= area.bottom;
}

std::string nameOf(const Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

class MainWindowLayout : public ::testing::Test {
  protected:
    MainWindowLayout() { desktop.setUserSettingsPath(folder.userSettingsPath()); }

    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    Application app{desktop, folder.path()};
    frmMain form{app};
};

TEST_F(MainWindowLayout, EverythingShownFitsItsPageOrFrameAndCoversNothingElse) {
    const Rect strip = rectOf(form.SSTab1);
    ASSERT_TRUE(inside(strip, {0, 0, form.scaleWidth(), form.scaleHeight()}));
    const Rect page{strip.left + kTabBorder, strip.top + kTabRow, strip.right - kTabBorder,
                    strip.bottom - kTabBorder};
    std::map<std::pair<const Control*, int>, std::vector<const Control*>> groups;
    for (const Control* c : form.controls()) {
        // Not the tab strip, not what has no place on screen, not the drawing's own figures;
        // the pattern header is shown at the planner's request.
        const ControlKind k = c->kind();
        if (k == ControlKind::Timer || k == ControlKind::CommonDialog ||
            k == ControlKind::TabStrip || c->container() == &form.picBack ||
            (!c->visible() && c != &form.frmLisaInfo)) {
            continue;
        }
        SCOPED_TRACE(nameOf(*c));
        EXPECT_TRUE(c->tabPage() == 0 || c->tabPage() == 1);
        EXPECT_GT(c->width(), 0);
        EXPECT_GT(c->height(), 0);
        const Control* frame = c->container();
        EXPECT_TRUE(inside(rectOf(*c),
                           frame ? Rect{0, kFrameCaption, frame->width(), frame->height()} : page));
        groups[{frame, c->tabPage()}].push_back(c);
    }
    ASSERT_FALSE(groups.empty());
    for (const auto& [key, members] : groups) {
        for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                const Rect a = rectOf(*members[i]), b = rectOf(*members[j]);
                EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                             b.top < a.bottom)
                    << nameOf(*members[i]) << " and " << nameOf(*members[j]);
            }
        }
    }
}

TEST_F(MainWindowLayout, ControlsThatStartHiddenAreHidden) {
    for (const Control* c : std::initializer_list<const Control*>{
             &form.lstsydabackup, &form.lstkylgparembackup, &form.lstTemp, &form.lstPalgiHinnad,
             &form.cmdLaeprofiil, &form.lblUpdated, &form.lblValitudKeel, &form.frmLisaInfo,
             &form.picsyda[0]}) {
        EXPECT_FALSE(c->visible()) << nameOf(*c);
    }
    std::vector<std::string> menuBar;
    for (const Menu* m : form.menus()) {
        if (m->visible()) menuBar.push_back(m->name());
    }
    EXPECT_EQ(menuBar, (std::vector<std::string>{"mnuprogramm", "mnuSaekava"}));
    EXPECT_FALSE(form.mnuPalkUuenda.visible());
}

TEST_F(MainWindowLayout, EveryFigureOfTheResultsStandsInOneGridBesideItsCaption) {
    const Frame& panel = form.frmSaekavaMarginalCaption;
    std::vector<const Label*> figures, captions;
    for (const Control* c : form.controls()) {
        if (c->container() != &panel || c->kind() != ControlKind::Label) continue;
        const auto* label = static_cast<const Label*>(c);
        (label->bordered() ? figures : captions).push_back(label);
    }
    ASSERT_EQ(figures.size(), 26u);
    EXPECT_EQ(captions.size(), figures.size());
    for (const Label* figure : figures) {
        SCOPED_TRACE(figure->name());
        EXPECT_EQ(figure->left(), figures.front()->left());
        EXPECT_EQ(figure->width(), figures.front()->width());
        EXPECT_EQ(figure->backColor(), colors::kWhite);
        const bool captioned = std::any_of(captions.begin(), captions.end(), [&](const Label* c) {
            return c->top() == figure->top() && !c->caption().empty() &&
                   c->left() + c->width() <= figure->left();
        });
        EXPECT_TRUE(captioned);
    }
}

TEST_F(MainWindowLayout, TheNamesOfTheLanguageTableExistAndPlacementWaitsForAProduct) {
    const Control* frame = form.findControl("frmSaekavaMarginalCaption");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->kind(), ControlKind::Frame);
    for (const auto& [menu, item] : {std::pair{"mnuKustuta", "mnuKustutaKustuta"},
                                     std::pair{"Mnusoovita", "mnuAddNewDimension"}}) {
        const Menu* top = form.findMenu(menu);
        ASSERT_NE(top, nullptr) << menu;
        EXPECT_FALSE(top->visible()) << menu;
        ASSERT_EQ(top->items().size(), 1u) << menu;
        EXPECT_EQ(top->items().front()->name(), item);
    }
    for (const CommandButton* b : {&form.cmdCenter, &form.cmdSideLeft, &form.cmdSideRight,
                                   &form.cmdSeimerAll, &form.cmdSeimerYleval})
        EXPECT_FALSE(b->enabled()) << b->name();
}

}  // namespace
}  // namespace lumbrix
