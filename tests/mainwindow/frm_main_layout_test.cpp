// The main window's first layout: everything shown fits its tab page or frame, nothing shown
// covers anything else, the board lists show their rows, and what starts hidden is hidden.
// The window is only constructed, not loaded: the layout is a design value.
#include <gtest/gtest.h>

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

// The tab strip's border and its row of tabs, in twips, as the front end draws them.
constexpr double kTabBorder = 30;
constexpr double kTabRow = 360;
// The band of a frame that its caption takes.
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

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string nameOf(const Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

class MainWindowLayout : public ::testing::Test {
  protected:
    MainWindowLayout() { desktop.setUserSettingsPath(folder.userSettingsPath()); }

    // Controls laid out on the window or in a frame; not the tab strip, not the figures the
    // drawing places in its own units, not the controls that have no place on screen.
    std::vector<const Control*> laidOut() const {
        std::vector<const Control*> out;
        for (const Control* c : form.controls()) {
            const ControlKind k = c->kind();
            if (k == ControlKind::Timer || k == ControlKind::CommonDialog ||
                k == ControlKind::TabStrip || c->container() == &form.picBack) {
                continue;
            }
            out.push_back(c);
        }
        return out;
    }

    // Shown when the window opens, or (the pattern header) at the planner's request.
    bool canShow(const Control& c) const { return c.visible() || &c == &form.frmLisaInfo; }

    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    Application app{desktop, folder.path()};
    frmMain form{app};
};

TEST_F(MainWindowLayout, EverythingShownLiesInsideItsPageOrFrame) {
    // Every control is on one of the two pages; both pages have the same area.
    const Rect client{0, 0, form.scaleWidth(), form.scaleHeight()};
    const Rect strip = rectOf(form.SSTab1);
    ASSERT_TRUE(inside(strip, client));
    const Rect page{strip.left + kTabBorder, strip.top + kTabRow, strip.right - kTabBorder,
                    strip.bottom - kTabBorder};
    for (const Control* c : laidOut()) {
        if (!canShow(*c)) continue;
        SCOPED_TRACE(nameOf(*c));
        EXPECT_TRUE(c->tabPage() == 0 || c->tabPage() == 1);
        EXPECT_GT(c->width(), 0);
        EXPECT_GT(c->height(), 0);
        const Control* frame = c->container();
        const Rect area = frame ? Rect{0, kFrameCaption, frame->width(), frame->height()} : page;
        EXPECT_TRUE(inside(rectOf(*c), area));
    }
}

TEST_F(MainWindowLayout, NothingShownCoversAnotherControl) {
    std::map<std::pair<const Control*, int>, std::vector<const Control*>> groups;
    for (const Control* c : laidOut()) {
        if (canShow(*c)) groups[{c->container(), c->tabPage()}].push_back(c);
    }
    ASSERT_FALSE(groups.empty());
    for (const auto& [key, members] : groups) {
        for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                EXPECT_FALSE(overlap(rectOf(*members[i]), rectOf(*members[j])))
                    << nameOf(*members[i]) << " and " << nameOf(*members[j]);
            }
        }
    }
}

TEST_F(MainWindowLayout, BoardListsShowAllTheirRowsAtFullWidth) {
    const struct {
        const ListBox& list;
        int rows;
    } cases[] = {{form.lstSeimerYleval, 2},
                 {form.lstKylgVasak, 2},
                 {form.lstSyda, 8},
                 {form.lstKylgParem, 2},
                 {form.lstSeimerAll, 2}};
    constexpr double kRow = ListBox::kRowHeightPixels * kTwipsPerPixel;
    constexpr double kFiftyFiveChars = 55 * 7 * kTwipsPerPixel;
    double above = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.name());
        EXPECT_GE(c.list.height(), c.rows * kRow + 2 * kTwipsPerPixel);
        EXPECT_LT(c.list.height(), (c.rows + 1) * kRow);
        EXPECT_GE(c.list.width(), kFiftyFiveChars);
        EXPECT_EQ(c.list.font().name, "Courier New");
        // The lists stand in their positions' order, top to bottom.
        EXPECT_GT(c.list.top(), above);
        above = c.list.top();
    }
    EXPECT_GE(form.lstDim.width(), kFiftyFiveChars);
    EXPECT_EQ(form.lstDim.font().name, "Courier New");
    EXPECT_GE(form.lstDim.height(), 6 * kRow);
}

TEST_F(MainWindowLayout, ControlsThatStartHiddenAreHidden) {
    const Control* hidden[] = {
        &form.lstsydabackup,      &form.lstseimerallbackup, &form.lstseimerylevalbackup,
        &form.lstkylgvasakbackup, &form.lstkylgparembackup, &form.lstTemp,
        &form.lstPalgiHinnad,     &form.cmdLaeprofiil,      &form.lblUpdated,
        &form.lblValitudKeel,     &form.lblvaljatulek2,     &form.lblvaljatulekpuru2,
        &form.lblvaljatulekhake2, &form.frmLisaInfo};
    for (const Control* c : hidden) {
        SCOPED_TRACE(c->name());
        EXPECT_FALSE(c->visible());
    }
    std::vector<std::string> menuBar;
    for (const Menu* m : form.menus()) {
        if (m->visible()) menuBar.push_back(m->name());
    }
    EXPECT_EQ(menuBar, (std::vector<std::string>{"mnuprogramm", "mnuSaekava"}));
    EXPECT_FALSE(form.mnuPalkUuenda.visible());
    for (const Menu* separator : {&form.mnuProgramSep1, &form.mnuProgramSep2, &form.mnuSaekavaSep1,
                                  &form.mnuPalkSep1, &form.mnuArvutusedSep1}) {
        EXPECT_TRUE(separator->isSeparator()) << separator->name();
    }
}

TEST_F(MainWindowLayout, BoardBoxesAndLogCirclesBelongToTheDrawing) {
    std::vector<const PictureBox*> boxes;
    for (const PictureBox& b : form.picsyda)
        boxes.push_back(&b);
    for (const auto* family :
         {&form.picseimerall, &form.picseimeryleval, &form.pickylgvasak, &form.pickylgparem}) {
        for (const PictureBox& b : *family)
            boxes.push_back(&b);
    }
    ASSERT_EQ(boxes.size(), 16u);
    for (const PictureBox* b : boxes) {
        SCOPED_TRACE(nameOf(*b));
        EXPECT_EQ(b->container(), &form.picBack);
        EXPECT_FALSE(b->visible());
        EXPECT_FALSE(b->bordered());
        EXPECT_EQ(b->width(), 0);
        EXPECT_EQ(b->height(), 0);
        EXPECT_EQ(b->backColor(), colors::kOrange);
    }
    const Shape* circles[] = {&form.picTyygas, &form.picMiddle, &form.picLatv};
    for (const Shape* s : circles) {
        SCOPED_TRACE(s->name());
        EXPECT_EQ(s->container(), &form.picBack);
        EXPECT_EQ(s->shape(), ShapeKind::Circle);
        EXPECT_FALSE(s->filled());
    }
    EXPECT_NE(circles[0]->borderColor(), circles[1]->borderColor());
    EXPECT_NE(circles[0]->borderColor(), circles[2]->borderColor());
    EXPECT_NE(circles[1]->borderColor(), circles[2]->borderColor());
    // A square drawing area, so that millimetres across and down are the same size.
    EXPECT_EQ(form.picBack.width(), form.picBack.height());
}

}  // namespace
}  // namespace lumbrix
