#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "platform/form.h"

class QMenuBar;

namespace lumbrix {
class PictureBox;
class TabStrip;
}  // namespace lumbrix

namespace lumbrix::qt {

class CanvasWidget;
class ControlView;
class MenuBarView;

// The Qt view of one window model: a menu bar for its visible top-level menus above a client
// area that holds one widget per control, placed and sized from the models (15 twips to the
// pixel; children of a frame relative to the frame, children of a picture box in its scale
// units). Shapes, lines, images and child boxes inside a picture box are drawn by the
// picture box's canvas.
//
// Every action of the planner reaches the models through `dispatch`, after which every form
// view refreshes exactly the controls whose revision changed since its last refresh.
class FormView : public QWidget {
    Q_OBJECT

  public:
    explicit FormView(Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    Form& form() const { return form_; }
    // The client area that holds the controls' widgets.
    QWidget* surface() const { return surface_; }
    QMenuBar* menuBar() const;
    // The client area's size as the model gives it, in pixels.
    QSize clientSize() const;
    QSize sizeHint() const override;

    ControlView* viewOf(const Control& control) const;
    QWidget* widgetOf(const Control& control) const;

    // Runs a call on the models caused by the planner, then refreshes every form view; the
    // view of `origin` is brought back to its model even when its revision did not change
    // (a click that the model refused). Ignored while views are being refreshed (the
    // widgets' own signals) and once the view has been detached from its form.
    // Returns false when the view has been detached meanwhile (the window was unloaded).
    bool dispatch(const std::function<void()>& action, ControlView* origin = nullptr);

    // Refreshes the widgets of the controls whose model changed since the last refresh.
    void refresh();
    // Refreshes every form view; done after every event and every timer tick.
    static void refreshAll();
    // True while views are being refreshed from their models.
    static bool refreshing();

    // The view stops using its form: the window is being unloaded or destroyed.
    void detach();
    bool attached() const { return attached_; }

    // The pixel rectangle of a control within its parent widget.
    QRect geometryOf(const Control& control) const;
    // Model units per pixel for positions inside `control` (twips, or its picture box
    // container's scale units).
    QPointF unitsPerPixel(const Control& control) const;
    // False when the control sits on a tab page that is not the current one.
    bool onCurrentPage(const Control& control) const;

    // The view as its window prints: command buttons left out, and every box without a
    // selection or a caret, as a window stands when none of its boxes has the focus. The
    // models keep their selections.
    void showAsPrinted();
    bool shownAsPrinted() const { return asPrinted_; }

  signals:
    // The window model changed (caption, size, visibility, life).
    void formChanged();

  private:
    struct Entry {
        Control* control = nullptr;
        ControlView* view = nullptr;      // null for timers and dialogs
        CanvasWidget* drawnBy = nullptr;  // a figure inside a picture box
        std::uint64_t seenRevision = 0;
        int chainedTabIndex = 0;  // the tab index the focus chain was built from
        bool chainedTabStop = true;
    };

    void build();
    void buildEntry(Control& control);
    QWidget* parentWidgetFor(const Control& control) const;
    void refreshEntry(Entry& entry);
    void placeAndShow(Entry& entry);
    void applyForm();
    // Links the focusable widgets in the order of their controls' tab index.
    void orderFocusChain();
    Entry* entryOf(const Control& control);

    Form& form_;
    QWidget* surface_ = nullptr;
    MenuBarView* menuBar_ = nullptr;
    TabStrip* tabStrip_ = nullptr;
    std::vector<Entry> entries_;
    std::unordered_map<const Control*, std::size_t> index_;
    std::uint64_t seenFormRevision_ = 0;
    Control* seenActiveControl_ = nullptr;
    bool attached_ = true;
    bool asPrinted_ = false;
};

}  // namespace lumbrix::qt
