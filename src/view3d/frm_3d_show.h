#pragma once

#include <array>

#include "platform/controls.h"
#include "view3d/wireframe.h"

namespace lumbrix {

class Application;

// The 3D view: the boards of the current pattern as wireframe boxes along the log, turned
// with the mouse (left button: turn and tilt, right button: roll), zoomed with two buttons,
// reset with the centre button, drawn with a line width the planner sets. It reads the
// pattern through its corner table, which the calculation writes (frmMain::Arvuta_3d).
class frm3dShow : public Form {
  public:
    explicit frm3dShow(Application& app);

    // ---- the drawing, with the labels of the log's two ends inside it
    PictureBox Pic1{*this, "Pic1"};
    Label lblPalkAlgus{*this, "lblPalkAlgus"};
    Label lblPalkLopp{*this, "lblPalkLopp"};

    // ---- line width, zoom and centre
    Label lbl3dshowlblJoonepaksus{*this, "lbl3dshowlblJoonepaksus"};
    TextBox txtJoonepaksus{*this, "txtJoonepaksus"};
    HScrollBar scrJoonePaksus{*this, "scrJoonePaksus"};
    CommandButton Command2{*this, "Command2"};  // zoom in
    CommandButton cmdCenter{*this, "cmdCenter"};
    CommandButton Command3{*this, "Command3"};  // zoom out

    // ---- the rotation values in half-degrees, -180..180 (never shown)
    HScrollBar HScroll1{*this, "HScroll1"};  // turn about the vertical axis
    HScrollBar HScroll2{*this, "HScroll2"};  // roll about the log axis
    VScrollBar VScroll1{*this, "VScroll1"};  // tilt about the cross axis

    // ---- the corner table: per position and board, corners 1..4 as x and y, whole mm as
    // text (never shown)
    ControlArray<Label> lblsyda_1x{*this, "lblsyda_1x", 8};
    ControlArray<Label> lblsyda_1y{*this, "lblsyda_1y", 8};
    ControlArray<Label> lblSyda_2x{*this, "lblSyda_2x", 8};
    ControlArray<Label> lblSyda_2y{*this, "lblSyda_2y", 8};
    ControlArray<Label> lblSyda_3x{*this, "lblSyda_3x", 8};
    ControlArray<Label> lblSyda_3y{*this, "lblSyda_3y", 8};
    ControlArray<Label> lblSyda_4x{*this, "lblSyda_4x", 8};
    ControlArray<Label> lblsyda_4y{*this, "lblsyda_4y", 8};
    ControlArray<Label> lblKylgVasak_1x{*this, "lblKylgVasak_1x", 2};
    ControlArray<Label> lblKylgVasak_1y{*this, "lblKylgVasak_1y", 2};
    ControlArray<Label> lblKylgVasak_2x{*this, "lblKylgVasak_2x", 2};
    ControlArray<Label> lblKylgVasak_2y{*this, "lblKylgVasak_2y", 2};
    ControlArray<Label> lblKylgVasak_3x{*this, "lblKylgVasak_3x", 2};
    ControlArray<Label> lblKylgVasak_3y{*this, "lblKylgVasak_3y", 2};
    ControlArray<Label> lblKylgVasak_4x{*this, "lblKylgVasak_4x", 2};
    ControlArray<Label> lblKylgVasak_4y{*this, "lblKylgVasak_4y", 2};
    ControlArray<Label> lblKylgParem_1x{*this, "lblKylgParem_1x", 2};
    ControlArray<Label> lblKylgParem_1y{*this, "lblKylgParem_1y", 2};
    ControlArray<Label> lblKylgParem_2x{*this, "lblKylgParem_2x", 2};
    ControlArray<Label> lblKylgParem_2y{*this, "lblKylgParem_2y", 2};
    ControlArray<Label> lblKylgParem_3x{*this, "lblKylgParem_3x", 2};
    ControlArray<Label> lblKylgParem_3y{*this, "lblKylgParem_3y", 2};
    ControlArray<Label> lblKylgParem_4x{*this, "lblKylgParem_4x", 2};
    ControlArray<Label> lblKylgParem_4y{*this, "lblKylgParem_4y", 2};
    ControlArray<Label> lblSeimerYleval_1x{*this, "lblSeimerYleval_1x", 2};
    ControlArray<Label> lblSeimerYleval_1y{*this, "lblSeimerYleval_1y", 2};
    ControlArray<Label> lblSeimerYleval_2x{*this, "lblSeimerYleval_2x", 2};
    ControlArray<Label> lblSeimerYleval_2y{*this, "lblSeimerYleval_2y", 2};
    ControlArray<Label> lblSeimerYleval_3x{*this, "lblSeimerYleval_3x", 2};
    ControlArray<Label> lblSeimerYleval_3y{*this, "lblSeimerYleval_3y", 2};
    ControlArray<Label> lblSeimerYleval_4x{*this, "lblSeimerYleval_4x", 2};
    ControlArray<Label> lblSeimerYleval_4y{*this, "lblSeimerYleval_4y", 2};
    ControlArray<Label> lblSeimerAll_1x{*this, "lblSeimerAll_1x", 2};
    ControlArray<Label> lblSeimerAll_1y{*this, "lblSeimerAll_1y", 2};
    ControlArray<Label> lblSeimerAll_2x{*this, "lblSeimerAll_2x", 2};
    ControlArray<Label> lblSeimerAll_2y{*this, "lblSeimerAll_2y", 2};
    ControlArray<Label> lblSeimerAll_3x{*this, "lblSeimerAll_3x", 2};
    ControlArray<Label> lblSeimerAll_3y{*this, "lblSeimerAll_3y", 2};
    ControlArray<Label> lblSeimerAll_4x{*this, "lblSeimerAll_4x", 2};
    ControlArray<Label> lblSeimerAll_4y{*this, "lblSeimerAll_4y", 2};

    // The array of one coordinate of a position: 0..7 = 1x, 1y, 2x, 2y, 3x, 3y, 4x, 4y.
    ControlArray<Label>& corner(view3d::BoxFamily family, int coordinate) const;

    // ---- handlers
    void Form_Load();
    void Form_Activate();
    void cmdCenter_Click();
    void Command2_Click();
    void Command3_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void VScroll1_Change();
    void Pic1_MouseMove(int button, int shift, double x, double y);
    void scrJoonePaksus_Change();
    void txtJoonepaksus_KeyPress(int& keyAscii);

    // Redraws the whole view from the corner table, the log and the view state.
    void Joonista_3d();

    // What the last redraw drew, and how many redraws the window has made.
    const view3d::WireframeScene& scene() const { return scene_; }
    int redrawCount() const { return redraws_; }
    // The line width the boxes are drawn with: the text's whole number, or the last usable
    // one while the text gives none of at least 1.
    int boxLineWidth();

  private:
    void connectHandlers();
    void setZoom(double level);
    // The drawing appears at once; no other event runs meanwhile.
    void showNow() { Pic1.refresh(); }
    void placeLogEndLabel(Label& label, view3d::ScreenPoint corner);
    std::string lineWidthCaption() const;

    Application& app_;
    std::array<std::array<ControlArray<Label>*, 8>, 5> corners_{};
    view3d::WireframeScene scene_;
    int redraws_ = 0;
    int lastLineWidth_ = 1;
};

}  // namespace lumbrix
