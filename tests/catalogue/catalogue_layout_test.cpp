// The products tab's layout and the pictures it shows: everything on the tab fits its page or
// frame, nothing covers anything else, the product list shows whole rows, the pictures ship.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

#include "catalogue_fixture.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

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

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string nameOf(const Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

using CatalogueLayout = test::CatalogueTest;

TEST_F(CatalogueLayout, TheTabsControlsFitAndCoverNothing) {
    frmMain& m = main();
    const Rect strip = rectOf(m.SSTab1);
    const Rect page{strip.left + kTabBorder, strip.top + kTabRow, strip.right - kTabBorder,
                    strip.bottom - kTabBorder};
    std::map<const Control*, std::vector<const Control*>> groups;
    int shown = 0;
    for (const Control* c : m.controls()) {
        if (c->tabPage() != 1 || !c->visible()) continue;
        SCOPED_TRACE(nameOf(*c));
        ++shown;
        EXPECT_GT(c->width(), 0);
        EXPECT_GT(c->height(), 0);
        const Control* frame = c->container();
        const Rect area = frame ? Rect{0, kFrameCaption, frame->width(), frame->height()} : page;
        EXPECT_TRUE(inside(rectOf(*c), area));
        groups[frame].push_back(c);
    }
    EXPECT_GE(shown, 50);
    for (const auto& [frame, members] : groups) {
        for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                EXPECT_FALSE(overlap(rectOf(*members[i]), rectOf(*members[j])))
                    << nameOf(*members[i]) << " and " << nameOf(*members[j]);
            }
        }
    }
    // The editor's type options are a group of their own, apart from the picker's.
    EXPECT_EQ(m.optTootedSydmat.container(), &m.frmTooteliigid);
    EXPECT_NE(m.optSydmat.container(), &m.frmTooteliigid);
    for (const Control* hidden : {static_cast<const Control*>(&m.txtvalitudristloige),
                                  static_cast<const Control*>(&m.lblvalitudindex)}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    }
}

TEST_F(CatalogueLayout, TheProductListShowsWholeRowsInOrder) {
    frmMain& m = main();
    constexpr double kRowWithoutComment = 123 * 7 * kTwipsPerPixel;
    EXPECT_GE(m.lstTootedDim.width(), kRowWithoutComment);
    EXPECT_GE(m.lstTootedDim.height(), 20 * ListBox::kRowHeightPixels * kTwipsPerPixel);
    EXPECT_EQ(m.lstTootedDim.font().name, "Courier New");
    EXPECT_TRUE(m.lstTootedDim.sorted());
    EXPECT_EQ(m.txtComment.maxLength(), 50);
    EXPECT_EQ(m.txtDimNiiskus.maxLength(), 2);
    EXPECT_EQ(m.txtQual5Price.maxLength(), 5);
    EXPECT_EQ(m.txtDimLaius.maxLength(), 6);
    EXPECT_TRUE(m.txtYlemoot.locked());
    EXPECT_EQ(m.VScroll1.min(), 0);
    EXPECT_EQ(m.VScroll1.max(), 7);
}

// The size of a PNG file from its header; 0 x 0 when the file is not a PNG.
std::pair<int, int> pngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    if (!in || head[1] != 'P' || head[2] != 'N' || head[3] != 'G') return {0, 0};
    const auto be = [&](int at) {
        return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3];
    };
    return {be(16), be(20)};
}

TEST_F(CatalogueLayout, TheFamilyPicturesShipWithTheProgram) {
    frmMain& m = main();
    for (const Image* image : {&m.imgCenter, &m.imgSeimer, &m.imgSideboard, &m.imgToodeSyda,
                               &m.imgToodeSeimrilauad, &m.imgToodeKyljelauad}) {
        SCOPED_TRACE(image->name());
        EXPECT_EQ(fs::path(image->picture()).parent_path(), folder / "pictures");
        EXPECT_EQ(pngSize(image->picture()), std::make_pair(96, 96));
    }
    for (const char* placement : {"place_centre.png", "place_side_left.png", "place_side_right.png",
                                  "place_edger_up.png", "place_edger_down.png"}) {
        EXPECT_EQ(pngSize((folder / "pictures" / placement).string()), std::make_pair(32, 32))
            << placement;
    }
    EXPECT_TRUE(m.imgMaterjal.visible());
    EXPECT_EQ(m.imgMaterjal.tabPage(), 0);
    EXPECT_FALSE(m.imgCenter.visible());
}

}  // namespace
}  // namespace lumbrix
