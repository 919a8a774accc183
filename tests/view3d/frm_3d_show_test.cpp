// The 3D window: load, zoom, centre, mouse rotation, line width, hidden positions and the
// command that opens it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "view3d_fixture.h"

namespace lumbrix {
namespace {

using Family = view3d::BoxFamily;

class Window3d : public test::View3dTest {
  protected:
    // A full pattern: three centre boards, two side boards each side, two edger boards above
    // and below, laid out with its corners computed.
    void fullPattern() {
        for (int i = 0; i < 3; ++i)
            place(Family::Centre, 47, 150);
        for (Family f :
             {Family::LeftSide, Family::RightSide, Family::UpperEdger, Family::LowerEdger}) {
            place(f, 25, 100);
            place(f, 22, 75);
        }
        computeCorners();
    }
    double zoom() { return view().Pic1.scaleHeight(); }
    void press(CommandButton& button, int times) {
        for (int i = 0; i < times; ++i)
            button.press();
    }
    std::vector<int> rotation() {
        return {view().HScroll1.value(), view().VScroll1.value(), view().HScroll2.value()};
    }
};

TEST_F(Window3d, ZoomStepsOf50Between100And2000) {
    struct Case {
        bool centreFirst;
        CommandButton frm3dShow::*button;
        int presses;
        double reached;
    };
    const Case cases[] = {
        {false, &frm3dShow::Command2, 3, 850},   {false, &frm3dShow::Command2, 18, 100},
        {false, &frm3dShow::Command2, 19, 100},  {false, &frm3dShow::Command3, 20, 2000},
        {false, &frm3dShow::Command3, 21, 2000}, {true, &frm3dShow::Command2, 0, 800},
        {true, &frm3dShow::Command2, 14, 100},   {true, &frm3dShow::Command3, 24, 2000},
    };
    for (const Case& c : cases) {
        frm3dShow& v = view();
        if (c.centreFirst) v.cmdCenter.press();
        press(v.*c.button, c.presses);
        EXPECT_EQ(zoom(), c.reached) << c.presses << " presses";
        EXPECT_EQ(v.Pic1.scaleWidth(), c.reached);
        EXPECT_EQ(v.Pic1.scaleLeft(), -c.reached / 2);
        EXPECT_EQ(v.Pic1.scaleTop(), -c.reached / 2);
        v.unload();
    }
}

TEST_F(Window3d, CentreResetsTheRotationWithARedrawPerChangedValue) {
    frm3dShow& v = view();
    int before = v.redrawCount();
    v.cmdCenter.press();
    EXPECT_EQ(v.redrawCount() - before, 1) << "nothing to reset: its own redraw only";
    v.HScroll1.setValue(30);
    v.HScroll2.setValue(-40);
    v.VScroll1.setValue(50);
    before = v.redrawCount();
    const int repaints = v.Pic1.refreshRequests();
    v.cmdCenter.press();
    EXPECT_EQ(v.redrawCount() - before, 4);
    EXPECT_EQ(v.Pic1.refreshRequests() - repaints, 4) << "each redraw is shown at once";
    EXPECT_EQ(rotation(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(zoom(), 800);
}

TEST_F(Window3d, MouseRotationIsAbsoluteAndLimited) {
    struct Case {
        int button;
        double x, y;
        std::vector<int> rotation;  // HScroll1, VScroll1, HScroll2
        int redraws;
    };
    const Case cases[] = {
        {mouse::kLeft, 250, -300, {180, -180, 0}, 2},
        {mouse::kLeft, 250, -300, {180, -180, 0}, 0},  // no value changes: no redraw
        {mouse::kLeft, -12.5, 12.5, {-12, 12, 0}, 2},  // halves to even
        {mouse::kLeft, 13.5, 12.5, {14, 12, 0}, 1},
        {mouse::kRight, -400, 90, {14, 12, -180}, 1},  // only the roll
        {mouse::kLeft | mouse::kRight, 50, 50, {14, 12, -180}, 0},
        {mouse::kMiddle, 50, 50, {14, 12, -180}, 0},
        {0, 50, 50, {14, 12, -180}, 0},
    };
    frm3dShow& v = view();
    for (const Case& c : cases) {
        const int before = v.redrawCount();
        v.Pic1.MouseMove.raise(c.button, 0, c.x, c.y);
        EXPECT_EQ(rotation(), c.rotation) << "button " << c.button << " at " << c.x;
        EXPECT_EQ(v.redrawCount() - before, c.redraws);
    }
}

TEST_F(Window3d, ALeftMoveRedrawsTwiceInOrderWithoutNesting) {
    // Each redraw runs to its end before the next value is set: the first sees the new turn
    // with the old tilt, the second both.
    fullPattern();
    frm3dShow& v = view();
    std::vector<std::pair<int, int>> seen;
    v.HScroll1.Change.connect([&] {
        v.HScroll1_Change();
        seen.emplace_back(v.HScroll1.value(), v.VScroll1.value());
    });
    v.VScroll1.Change.connect([&] {
        v.VScroll1_Change();
        seen.emplace_back(v.HScroll1.value(), v.VScroll1.value());
    });
    v.Pic1.MouseMove.raise(mouse::kLeft, 0, 90, -20);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{90, 0}, {90, -20}}));
    EXPECT_EQ(v.scene().screen(1), view3d::Arvuta_projektsioon(-75, -75, 2550, -20, 90, 0));
}

TEST_F(Window3d, LineWidthFromTheSpinnerOrTypedAndKeptWhenUnusable) {
    fullPattern();
    frm3dShow& v = view();
    const auto boxWidth = [&v] { return v.Pic1.drawing().back().width; };
    EXPECT_EQ(boxWidth(), 1);

    v.scrJoonePaksus.setValue(3);
    EXPECT_EQ(v.txtJoonepaksus.text(), "3");
    EXPECT_EQ(boxWidth(), 3);
    EXPECT_EQ(v.Pic1.drawing().front().width, 2) << "the axes stay 2 wide";

    // Keys: digits, Backspace and the point pass; anything else beeps and is dropped.
    v.txtJoonepaksus.setSelStart(0);
    v.txtJoonepaksus.setSelLength(1);
    EXPECT_FALSE(v.txtJoonepaksus.typeKey('a'));
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_EQ(v.txtJoonepaksus.text(), "3");

    const int before = v.redrawCount();
    EXPECT_TRUE(v.txtJoonepaksus.typeKey('9'));
    EXPECT_EQ(v.redrawCount(), before) << "typing does not redraw";
    v.Joonista_3d();
    EXPECT_EQ(boxWidth(), 9);

    // No whole number of at least 1: the last usable width stays.
    for (const char* unusable : {".", "", "0", "-"}) {
        v.txtJoonepaksus.setText(unusable);
        v.Joonista_3d();
        EXPECT_EQ(boxWidth(), 9) << '"' << unusable << '"';
    }
    v.unload();
    view().txtJoonepaksus.setText(".");
    view().Joonista_3d();
    EXPECT_EQ(view().Pic1.drawing().back().width, 1) << "1 before any usable width";
}

TEST_F(Window3d, HiddenPositionsAreClearedAndNotDrawn) {
    place(Family::Centre, 50, 150);
    computeCorners();
    frm3dShow& v = view();
    EXPECT_EQ(corners(Family::Centre, 1), "29,0 29,0 29,0 29,0") << "written, box hidden";
    v.Joonista_3d();
    EXPECT_EQ(corners(Family::Centre, 1), kNoCorners);
    EXPECT_EQ(corners(Family::LowerEdger, 0), kNoCorners);
    EXPECT_EQ(corners(Family::Centre, 0), "-25,-75 -25,75 25,75 25,-75");
    EXPECT_EQ(v.Pic1.drawing().size(), 15u) << "three axes and one box";

    fullPattern();
    v.Joonista_3d();
    EXPECT_EQ(v.Pic1.drawing().size(), 3u + 12 * 12) << "four centre, eight outer boxes";
}

TEST_F(Window3d, TheCommandShowsTheViewModallyOverTheMainWindow) {
    fullPattern();
    desktop.onNextModal([&](Form& f) {
        auto& v = static_cast<frm3dShow&>(f);
        EXPECT_TRUE(v.isModal());
        EXPECT_EQ(v.owner(), &main());
        EXPECT_EQ(v.Pic1.drawing().size(), 3u + 11 * 12);
        v.HScroll1.setValue(40);
        v.scrJoonePaksus.setValue(4);
        v.Command3.press();
        v.requestClose();
    });
    main().mnupalk3Denable.click();
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frm3dShow"});

    // Closed and opened again: design values and the load's zoom.
    desktop.onNextModal([&](Form& f) {
        auto& v = static_cast<frm3dShow&>(f);
        EXPECT_EQ(v.HScroll1.value(), 0);
        EXPECT_EQ(v.txtJoonepaksus.text(), "1");
        EXPECT_EQ(v.Pic1.drawing().back().width, 1);
        EXPECT_EQ(v.Pic1.scaleHeight(), 1000);
        v.requestClose();
    });
    main().mnupalk3Denable.click();
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(Window3d, WithoutACentreBoardTheCommandShowsTheAxesOnly) {
    fullPattern();
    main().lstSyda.clear();
    main().uuenda_materjalid();  // the reset of an empty pattern
    desktop.onNextModal([&](Form& f) {
        EXPECT_EQ(static_cast<frm3dShow&>(f).Pic1.drawing().size(), 3u);
        f.requestClose();
    });
    main().mnupalk3Denable.click();
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(Window3d, TheLineWidthCaptionComesFromTheLanguageAtEveryLoad) {
    folder.writeFile("language/eesti.keel", "[3d]\r\nlbl3dshowlblJoonepaksuslbl=Joone paksus:\r\n");
    main().lblValitudKeel.setCaption("eesti.keel");
    EXPECT_EQ(view().lbl3dshowlblJoonepaksus.caption(), "Joone paksus:");
    view().unload();
    EXPECT_EQ(view().lbl3dshowlblJoonepaksus.caption(), "Joone paksus:");
    view().unload();
    main().lblValitudKeel.setCaption("missing.keel");
    EXPECT_EQ(view().lbl3dshowlblJoonepaksus.caption(), "0");
}

}  // namespace
}  // namespace lumbrix
