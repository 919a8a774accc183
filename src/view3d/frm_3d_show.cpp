#include "view3d/frm_3d_show.h"

#include <algorithm>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "platform/ini_file.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

using view3d::BoxFamily;

namespace {

constexpr double kStartZoom = 1000;
constexpr double kCentreZoom = 800;
constexpr double kZoomStep = 50;
constexpr double kNearestZoom = 100;
constexpr double kFarthestZoom = 2000;
constexpr int kRotationLimit = 180;  // half-degrees: 90 degrees
constexpr int kKeyBackspace = 8;
constexpr int kKeyPoint = 46;
// The log-end labels stand 5 scale units left of and above their corner; they are as large
// as their digits in the window's font, whatever the zoom.
constexpr double kLabelGap = 5;
constexpr double kLabelDigitPixels = 7;
constexpr double kLabelPaddingPixels = 4;
constexpr double kLabelHeightPixels = 15;

const ControlArray<PictureBox>& mainWindowBoxes(const frmMain& m, BoxFamily family) {
    switch (family) {
        case BoxFamily::LeftSide:
            return m.pickylgvasak;
        case BoxFamily::RightSide:
            return m.pickylgparem;
        case BoxFamily::UpperEdger:
            return m.picseimeryleval;
        case BoxFamily::LowerEdger:
            return m.picseimerall;
        case BoxFamily::Centre:
        default:
            return m.picsyda;
    }
}

}  // namespace

frm3dShow::frm3dShow(Application& app) : Form("frm3dShow"), app_(app) {
    setCaption("3D");
    // Client area 9105 x 9450 twips.
    move(0, 0, 9105 + kFrameTwips, 9450 + kTitleBarTwips);
    setFixedSize(true);

    Pic1.move(120, 120, 8835, 8835);
    Pic1.setBackColor(colors::kBlack);
    Pic1.setAutoRedraw(true);
    Pic1.setTabStop(false);
    for (Label* end : {&lblPalkAlgus, &lblPalkLopp}) {
        end->setContainer(&Pic1);
        end->setTransparent(true);
        end->setForeColor(colors::kWhite);
        end->setAlignment(Alignment::Right);
        end->setWordWrap(false);
    }
    lblPalkAlgus.setCaption("0");
    lblPalkLopp.setCaption("6000");

    lbl3dshowlblJoonepaksus.move(135, 9075, 1215, 255);
    lbl3dshowlblJoonepaksus.setCaption("Line drawwidth:");
    txtJoonepaksus.move(1455, 9075, 375, 285);
    txtJoonepaksus.setText("1");
    txtJoonepaksus.setMaxLength(1);
    scrJoonePaksus.move(1815, 9075, 255, 255);
    scrJoonePaksus.setMin(1);
    scrJoonePaksus.setMax(5);
    scrJoonePaksus.setValue(1);
    scrJoonePaksus.setSmallChange(1);
    scrJoonePaksus.setLargeChange(1);

    const auto picture = [&app](const char* name) {
        return (app.installFolder() / "pictures" / name).string();
    };
    Command2.move(7590, 9000, 375, 360);
    Command2.setPicture(picture("view3d_zoom_in.png"));
    cmdCenter.move(8070, 9000, 375, 375);
    cmdCenter.setPicture(picture("view3d_centre.png"));
    Command3.move(8550, 9000, 375, 360);
    Command3.setPicture(picture("view3d_zoom_out.png"));

    for (ScrollBar* rotation : std::initializer_list<ScrollBar*>{&HScroll1, &HScroll2, &VScroll1}) {
        rotation->setMin(-kRotationLimit);
        rotation->setMax(kRotationLimit);
        rotation->setSmallChange(1);
        rotation->setLargeChange(10);
        rotation->setValue(0);
        rotation->setVisible(false);
    }

    corners_ = {{
        {&lblsyda_1x, &lblsyda_1y, &lblSyda_2x, &lblSyda_2y, &lblSyda_3x, &lblSyda_3y, &lblSyda_4x,
         &lblsyda_4y},
        {&lblKylgVasak_1x, &lblKylgVasak_1y, &lblKylgVasak_2x, &lblKylgVasak_2y, &lblKylgVasak_3x,
         &lblKylgVasak_3y, &lblKylgVasak_4x, &lblKylgVasak_4y},
        {&lblKylgParem_1x, &lblKylgParem_1y, &lblKylgParem_2x, &lblKylgParem_2y, &lblKylgParem_3x,
         &lblKylgParem_3y, &lblKylgParem_4x, &lblKylgParem_4y},
        {&lblSeimerYleval_1x, &lblSeimerYleval_1y, &lblSeimerYleval_2x, &lblSeimerYleval_2y,
         &lblSeimerYleval_3x, &lblSeimerYleval_3y, &lblSeimerYleval_4x, &lblSeimerYleval_4y},
        {&lblSeimerAll_1x, &lblSeimerAll_1y, &lblSeimerAll_2x, &lblSeimerAll_2y, &lblSeimerAll_3x,
         &lblSeimerAll_3y, &lblSeimerAll_4x, &lblSeimerAll_4y},
    }};
    // Placeholders until the calculation writes the table; the labels lie beyond the client
    // area and carry data only.
    static const char* const kSuffixes[] = {"1x", "1y", "2x", "2y", "3x", "3y", "4x", "4y"};
    for (std::size_t family = 0; family < corners_.size(); ++family) {
        for (int c = 0; c < 8; ++c) {
            for (Label& label : *corners_[family][c]) {
                label.setCaption((family == 0 ? "1_" : "2_") + std::string(kSuffixes[c]));
                label.move(9300, 9600, 375, 255);
                label.setVisible(false);
                label.setTabStop(false);
            }
        }
    }
    connectHandlers();
}

void frm3dShow::connectHandlers() {
    Load.connect([this] { Form_Load(); });
    Activate.connect([this] { Form_Activate(); });
    cmdCenter.Click.connect([this] { cmdCenter_Click(); });
    Command2.Click.connect([this] { Command2_Click(); });
    Command3.Click.connect([this] { Command3_Click(); });
    HScroll1.Change.connect([this] { HScroll1_Change(); });
    HScroll2.Change.connect([this] { HScroll2_Change(); });
    VScroll1.Change.connect([this] { VScroll1_Change(); });
    Pic1.MouseMove.connect(
        [this](int button, int shift, double x, double y) { Pic1_MouseMove(button, shift, x, y); });
    scrJoonePaksus.Change.connect([this] { scrJoonePaksus_Change(); });
    txtJoonepaksus.KeyPress.connect([this](int& key) { txtJoonepaksus_KeyPress(key); });
}

ControlArray<Label>& frm3dShow::corner(BoxFamily family, int coordinate) const {
    return *corners_[static_cast<std::size_t>(family)][static_cast<std::size_t>(coordinate)];
}

// ---- window events

void frm3dShow::Form_Load() {
    setCaption("Lumbrix - 3D");
    setZoom(kStartZoom);
    // The design caption is English: the current language's comes back at every load.
    lbl3dshowlblJoonepaksus.setCaption(lineWidthCaption());
    Joonista_3d();
}

std::string frm3dShow::lineWidthCaption() const {
    const std::string language = app_.window<frmMain>().lblValitudKeel.caption();
    if (language.empty()) return "0";
    return readProfileString(app_.installFolder() / "language" / language, "3d",
                             "lbl3dshowlblJoonepaksuslbl", "0");
}

void frm3dShow::Form_Activate() {
    Joonista_3d();
}

void frm3dShow::setZoom(double level) {
    Pic1.setScaleHeight(level);
    Pic1.setScaleWidth(level);
    Pic1.setScaleLeft(-(Pic1.scaleWidth() / 2));
    Pic1.setScaleTop(-(Pic1.scaleHeight() / 2));
}

void frm3dShow::cmdCenter_Click() {
    // Each rotation value that changes redraws through its own change handler.
    VScroll1.setValue(0);
    HScroll1.setValue(0);
    HScroll2.setValue(0);
    setZoom(kCentreZoom);
    Joonista_3d();
    showNow();
}

void frm3dShow::Command2_Click() {
    if (Pic1.scaleHeight() <= kNearestZoom) return;
    setZoom(Pic1.scaleHeight() - kZoomStep);
    Joonista_3d();
    showNow();
}

void frm3dShow::Command3_Click() {
    if (Pic1.scaleHeight() >= kFarthestZoom) return;
    setZoom(Pic1.scaleHeight() + kZoomStep);
    Joonista_3d();
    showNow();
}

void frm3dShow::HScroll1_Change() {
    Joonista_3d();
    showNow();
}

void frm3dShow::HScroll2_Change() {
    Joonista_3d();
    showNow();
}

void frm3dShow::VScroll1_Change() {
    Joonista_3d();
    showNow();
}

// The rotation is absolute: the pointer's offset from the centre, in scale units, limited to
// 180 half-degrees. The left button turns and tilts, the right button rolls; both together,
// or any other button, do nothing.
void frm3dShow::Pic1_MouseMove(int button, int, double x, double y) {
    const auto angle = [](double offset) {
        return static_cast<int>(view3d::wholeFromValue(
            std::clamp(offset, double(-kRotationLimit), double(kRotationLimit))));
    };
    if (button == mouse::kLeft) {
        HScroll1.setValue(angle(x));
        VScroll1.setValue(angle(y));
    }
    if (button == mouse::kRight) HScroll2.setValue(angle(x));
}

void frm3dShow::scrJoonePaksus_Change() {
    txtJoonepaksus.setText(std::to_string(scrJoonePaksus.value()));
    Pic1.setDrawWidth(boxLineWidth());
    Joonista_3d();
    showNow();
}

void frm3dShow::txtJoonepaksus_KeyPress(int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (digit || keyAscii == kKeyBackspace || keyAscii == kKeyPoint) return;
    app_.desktop().beep();
    keyAscii = 0;
}

int frm3dShow::boxLineWidth() {
    constexpr int kWidest = 32767;  // the widest line a picture box draws
    const std::int32_t width = view3d::wholeFromText(txtJoonepaksus.text());
    if (width >= 1) lastLineWidth_ = std::min<std::int32_t>(width, kWidest);
    return lastLineWidth_;
}

// ---- the redraw

void frm3dShow::Joonista_3d() {
    ++redraws_;
    view3d::WireframeInput in;
    in.roll = HScroll2.value();
    in.turn = HScroll1.value();
    in.tilt = VScroll1.value();
    Pic1.cls();

    // A board whose box is hidden on the main window is not part of the pattern.
    const frmMain& m = app_.window<frmMain>();
    const auto& slots = view3d::boxSlots();
    for (int box = 0; box < view3d::kBoxCount; ++box) {
        const view3d::BoxSlot slot = slots[box];
        const bool placed = mainWindowBoxes(m, slot.family)[slot.board].visible();
        for (int c = 0; c < 8; ++c) {
            Label& label = corner(slot.family, c)[slot.board];
            if (!placed) label.setCaption("");
            in.corners[box][c] = label.caption();
        }
    }
    const frmMainSub& store = app_.window<frmMainSub>();
    in.logLength = m.txtPikkus.text();
    in.centreTrim = store.txtKappimineSydmat;
    in.boardTrim = store.txtKappimineLauad;
    in.boxLineWidth = boxLineWidth();

    scene_ = view3d::buildWireframe(in);
    for (const view3d::Segment& line : scene_.lines) {
        Pic1.setDrawWidth(line.width);
        Pic1.line(line.from.x, line.from.y, line.to.x, line.to.y, line.color);
    }
    lblPalkLopp.setCaption(scene_.logEndCaption);
    placeLogEndLabel(lblPalkLopp, scene_.logEndCorner);
    placeLogEndLabel(lblPalkAlgus, scene_.logStartCorner);
}

void frm3dShow::placeLogEndLabel(Label& label, view3d::ScreenPoint corner) {
    const double clientPixels = Pic1.clientWidthTwips() / kTwipsPerPixel;
    const double unitsPerPixel = clientPixels > 0 ? Pic1.scaleWidth() / clientPixels : 1;
    const double width =
        (kLabelDigitPixels * static_cast<double>(label.caption().size()) + kLabelPaddingPixels) *
        unitsPerPixel;
    const double height = kLabelHeightPixels * unitsPerPixel;
    label.move(corner.x - width - kLabelGap, corner.y - height - kLabelGap, width, height);
}

}  // namespace lumbrix
