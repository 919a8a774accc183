#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/colors.h"
#include "platform/control.h"
#include "platform/event.h"
#include "platform/revisioned.h"

namespace lumbrix {

class Menu;

// How a window is being closed, as its QueryUnload handler is told.
namespace unloadmode {
inline constexpr int kControlMenu = 0;  // the planner closed the window
inline constexpr int kCode = 1;         // the program unloaded it
}  // namespace unloadmode

// The model of one window: caption, position and size in twips, its controls and menus,
// and its life: loaded on first use, shown (modally with an owner, or not), hidden, unloaded.
// A derived window sets its controls' design values in its constructor and then connects
// its handlers, so design values raise no events.
class Form : public Revisioned {
  public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void move(double left, double top, double width, double height);
    void move(double left, double top);
    // Whether the window's left or top edge was placed since the window was loaded (by its
    // code, or by the planner moving it). A window opens with its placed edges where they
    // were placed, 0 included; an edge nobody placed is where the desktop opens a window.
    bool leftPlaced() const { return leftPlaced_; }
    bool topPlaced() const { return topPlaced_; }
    // The client area in twips (the window less its frame, title bar and menu bar).
    double scaleWidth() const;
    double scaleHeight() const;

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);

    // Fixed dialogs cannot be resized by the planner.
    bool fixedSize() const { return fixedSize_; }
    void setFixedSize(bool fixed);
    // Set for windows the planner never sees (stores of shared values).
    bool neverShown() const { return neverShown_; }

    bool isLoaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool isModal() const { return modal_; }
    Form* owner() const { return owner_; }

    // Loads the window when it is not loaded: arms its timers and raises Load.
    void load();
    // Shows the window without a loop of its own; a window shown so already comes to the front.
    void show();
    // Shows the window modally and returns when it has been hidden or unloaded.
    void showModal(Form* owner);
    void hide();
    // Unloads the window: QueryUnload and Unload may cancel. Asked for inside one of the
    // window's own handlers, it takes effect once those handlers have returned.
    void unload();
    // The planner closed the window from its title bar.
    void requestClose();

    // Shows `menu`'s items as a pop-up at the pointer, or at a position in twips.
    void popupMenu(Menu& menu);
    void popupMenu(Menu& menu, double xTwips, double yTwips);
    // Shows `menu` at the control that opened it: under its lower left corner (the control
    // on the window or inside frames).
    void popupMenuBelow(Menu& menu, const Control& anchor);
    // Prints the window's client area as one page (error 482 when printing fails).
    void printForm();

    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Menu*>& menus() const { return menus_; }  // top-level menus
    Control* findControl(const std::string& name, int index = -1) const;
    Menu* findMenu(const std::string& name) const;

    Control* activeControl() const { return activeControl_; }
    void setActiveControl(Control* c);

    Event<> Load;
    Event<int&, int> QueryUnload;  // cancel, unload mode
    Event<int&> Unload;            // cancel
    Event<> Activate;
    Event<> Resize;
    Event<int, int, double, double> MouseMove;
    Event<int, int, double, double> MouseDown;
    Event<> Click;

    // Called after the window has been unloaded (the application forgets it).
    void setUnloadedCallback(std::function<void(Form&)> callback) {
        onUnloaded_ = std::move(callback);
    }

    // Registration of models; done by their constructors and destructors.
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    void registerMenu(Menu* m);
    void unregisterMenu(Menu* m);

  protected:
    void markNeverShown() { neverShown_ = true; }

  private:
    bool performUnload(int mode);
    void setTimersLoaded(bool loaded);

    std::string name_;
    std::string caption_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 4800;
    double height_ = 3600;
    Color backColor_ = colors::kButtonFace;
    Font font_;
    bool fixedSize_ = false;
    bool leftPlaced_ = false;
    bool topPlaced_ = false;
    bool neverShown_ = false;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    bool unloadPending_ = false;
    Form* owner_ = nullptr;
    Control* activeControl_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<Menu*> menus_;
    std::function<void(Form&)> onUnloaded_;
};

// Chrome of a window in twips, used to turn the outer size into the client area.
inline constexpr double kFrameTwips = 120;     // left + right borders
inline constexpr double kTitleBarTwips = 495;  // title bar + top and bottom borders
inline constexpr double kMenuBarTwips = 300;   // a menu bar, when the window has one

}  // namespace lumbrix
