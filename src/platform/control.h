#pragma once

#include <cstdint>
#include <string>

#include "platform/colors.h"
#include "platform/event.h"
#include "platform/revisioned.h"

namespace lumbrix {

class Form;

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

enum class ControlKind {
    Label,
    TextBox,
    ListBox,
    CommandButton,
    OptionButton,
    CheckBox,
    Frame,
    HScrollBar,
    VScrollBar,
    PictureBox,
    Shape,
    Line,
    Image,
    Timer,
    TabStrip,
    RichTextBox,
    DriveListBox,
    DirListBox,
    FileListBox,
    CommonDialog,
};

// The model of one control of a window: its name (and index within a control array), its
// container, position and size, and the properties every kind shares. Positions are twips
// for controls placed on the window or a frame, and the container's scale units inside a
// picture box. Every change of a visible property raises the revision count, from which the
// front end knows what to redraw.
class Control : public Revisioned {
  public:
    Control(Form& form, ControlKind kind, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 when not part of a control array
    Form& form() const { return form_; }

    // The frame or picture box that holds this control; null when it sits on the window.
    Control* container() const { return container_; }
    void setContainer(Control* container);
    // The page of the window's tab strip that shows this control; -1 when on every page.
    int tabPage() const { return tabPage_; }
    void setTabPage(int page);

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void move(double left, double top, double width, double height);
    void move(double left, double top);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool v);

    const std::string& caption() const { return caption_; }
    virtual void setCaption(const std::string& text);

    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& text);
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& text) { tag_ = text; }

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    void setFontBold(bool bold);
    void setFontSize(double size);

    // The keyboard order within the window: Tab moves to the control with the next higher
    // index. A new control takes the number after the highest of the controls registered
    // with its window before it, so by default the order is the order of registration.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int index);
    // False leaves the control out of the Tab order; a click still gives it the focus.
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool stop);

    // Asks the window to give this control the keyboard focus.
    void setFocus();

    // Raised by the front end (or a test) as the planner works the control. `x`, `y` are in
    // the container's units for the control (the control's own scale for a picture box).
    Event<> Click;
    Event<> DblClick;
    Event<int, int, double, double> MouseDown;  // button, shift, x, y
    Event<int, int, double, double> MouseUp;
    Event<int, int, double, double> MouseMove;
    Event<int&> KeyPress;      // key code; a handler sets it to 0 to drop the key
    Event<int&, int> KeyDown;  // key code, shift
    Event<> GotFocus;
    Event<> LostFocus;

  protected:
    // Names `event` after this control: "name_Event".
    template <class E>
    void bindEvent(E& event, const char* eventName) {
        event.bind(&form_, name_ + "_" + eventName);
    }

  private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    int tabPage_ = -1;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string toolTip_;
    std::string tag_;
    Color backColor_ = colors::kButtonFace;
    Color foreColor_ = colors::kButtonText;
    Font font_;
};

}  // namespace lumbrix
