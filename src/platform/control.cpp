#include "platform/control.h"

#include "platform/form.h"

namespace lumbrix {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    bindEvent(Click, "Click");
    bindEvent(DblClick, "DblClick");
    bindEvent(MouseDown, "MouseDown");
    bindEvent(MouseUp, "MouseUp");
    bindEvent(MouseMove, "MouseMove");
    bindEvent(KeyPress, "KeyPress");
    bindEvent(KeyDown, "KeyDown");
    bindEvent(GotFocus, "GotFocus");
    bindEvent(LostFocus, "LostFocus");
    form_.registerControl(this);
}

Control::~Control() { form_.unregisterControl(this); }

void Control::setContainer(Control* container) {
    container_ = container;
    touch();
}

void Control::setTabPage(int page) {
    tabPage_ = page;
    touch();
}

void Control::setLeft(double v) {
    if (left_ == v) return;
    left_ = v;
    touch();
}

void Control::setTop(double v) {
    if (top_ == v) return;
    top_ = v;
    touch();
}

void Control::setWidth(double v) {
    if (width_ == v) return;
    width_ = v;
    touch();
}

void Control::setHeight(double v) {
    if (height_ == v) return;
    height_ = v;
    touch();
}

void Control::move(double left, double top, double width, double height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

void Control::move(double left, double top) {
    setLeft(left);
    setTop(top);
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    touch();
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    touch();
}

void Control::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    touch();
}

void Control::setToolTipText(const std::string& text) {
    if (toolTip_ == text) return;
    toolTip_ = text;
    touch();
}

void Control::setBackColor(Color c) {
    if (backColor_ == c) return;
    backColor_ = c;
    touch();
}

void Control::setForeColor(Color c) {
    if (foreColor_ == c) return;
    foreColor_ = c;
    touch();
}

void Control::setFont(const Font& f) {
    if (font_ == f) return;
    font_ = f;
    touch();
}

void Control::setFontBold(bool bold) {
    Font f = font_;
    f.bold = bold;
    setFont(f);
}

void Control::setFontSize(double size) {
    Font f = font_;
    f.size = size;
    setFont(f);
}

void Control::setFocus() { form_.setActiveControl(this); }

}  // namespace lumbrix
