#include "platform/control.h"

#include <algorithm>

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
    for (const Control* c : form_.controls())
        tabIndex_ = std::max(tabIndex_, c->tabIndex() + 1);
    form_.registerControl(this);
}

Control::~Control() {
    form_.unregisterControl(this);
}

void Control::setContainer(Control* container) {
    container_ = container;
    touch();
}

void Control::setTabPage(int page) {
    tabPage_ = page;
    touch();
}

void Control::setTabIndex(int index) {
    change(tabIndex_, index);
}

void Control::setTabStop(bool stop) {
    change(tabStop_, stop);
}

void Control::setLeft(double v) {
    change(left_, v);
}

void Control::setTop(double v) {
    change(top_, v);
}

void Control::setWidth(double v) {
    change(width_, v);
}

void Control::setHeight(double v) {
    change(height_, v);
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
    change(visible_, v);
}

void Control::setEnabled(bool v) {
    change(enabled_, v);
}

void Control::setCaption(const std::string& text) {
    change(caption_, text);
}

void Control::setToolTipText(const std::string& text) {
    change(toolTip_, text);
}

void Control::setBackColor(Color c) {
    change(backColor_, c);
}

void Control::setForeColor(Color c) {
    change(foreColor_, c);
}

void Control::setFont(const Font& f) {
    change(font_, f);
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

void Control::setFocus() {
    form_.setActiveControl(this);
}

}  // namespace lumbrix
