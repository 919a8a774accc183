// The products tab's layout: everything on the tab fits its page or frame, nothing covers
// anything else, the product list shows whole rows and the family pictures ship.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "catalogue/product_row.h"
#include "catalogue_fixture.h"

namespace lumbrix {
namespace {

struct Rect {
    double left, top, right, bottom;
};

Rect rectOf(const Control& c) {
    return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

using CatalogueLayout = test::CatalogueTest;

TEST_F(CatalogueLayout, TheTabsControlsFitCoverNothingAndHaveTheirPictures) {
    constexpr double kTabBorder = 30, kTabRow = 360, kFrameCaption = 240;
    frmMain& m = main();
    const Rect strip = rectOf(m.SSTab1);
    const Rect page{strip.left + kTabBorder, strip.top + kTabRow, strip.right - kTabBorder,
                    strip.bottom - kTabBorder};
    std::map<const Control*, std::vector<const Control*>> groups;  // by frame
    for (const Control* c : m.controls()) {
        if (c->tabPage() != 1 || !c->visible()) continue;
        const Control* frame = c->container();
        const Rect area = frame ? Rect{0, kFrameCaption, frame->width(), frame->height()} : page;
        const Rect r = rectOf(*c);
        EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right &&
                    r.bottom <= area.bottom && r.right > r.left && r.bottom > r.top)
            << c->name() << " " << c->index();
        groups[frame].push_back(c);
    }
    std::size_t shown = 0;
    for (const auto& [frame, members] : groups) {
        shown += members.size();
        for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                const Rect a = rectOf(*members[i]), b = rectOf(*members[j]);
                EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                             b.top < a.bottom)
                    << members[i]->name() << " " << members[i]->index() << " and "
                    << members[j]->name() << " " << members[j]->index();
            }
        }
    }
    EXPECT_GE(shown, 50u);
    EXPECT_GE(m.lstTootedDim.width(), productrow::kLengthWithoutComment * 7 * kTwipsPerPixel)
        << "whole rows in Courier New";
    for (const Image* image : {&m.imgCenter, &m.imgSeimer, &m.imgSideboard, &m.imgToodeSyda,
                               &m.imgToodeSeimrilauad, &m.imgToodeKyljelauad}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(image->picture())) << image->name();
    }
}

}  // namespace
}  // namespace lumbrix
