#pragma once

#include <QListWidget>
#include <string>
#include <vector>

#include "platform/list_box.h"
#include "qt/control_view.h"

namespace lumbrix::qt {

// A list of rows, each exactly the model's row height so that the model can tell
// the row under the pointer. Selecting a row sets the model's list index (its Click);
// scrolling sets the top row; a typed character raises KeyPress, and a handler that drops
// it keeps the selection where it is.
//
// The highlighted row is always the model's list index: only a row the planner selects
// (click, arrow keys) reaches the model, and whatever else Qt would do by itself is undone
// (a click below the last row, the first row made current when the list takes the focus).
// The right button selects nothing (it opens the list's pop-up menu), and a double click
// counts only on a row.
class ListBoxView : public QListWidget, public ControlView {
  public:
    ListBoxView(Control& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    QWidget* mouseSurface() override { return viewport(); }
    bool doubleClicksFromMouse() const override { return true; }
    bool doubleClickCountsAt(const QPointF& pos) const override;
    void refreshColors() override;
    void refreshContent() override;

    // Shows `rows` with `current` selected (-1: none) and `top` as the first row shown (-1:
    // wherever the selection puts it).
    void showRows(const std::vector<std::string>& rows, int current, int top);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Called with a row chosen by the planner; the default selects it in the ListBox model.
    virtual void rowChosen(int row);
    // Called with the first row shown after the planner scrolled.
    virtual void scrolledTo(int top);

  private:
    // The planner's selection changed: one selected row is chosen; none brings the model's
    // row back.
    void selectionFromPlanner();

    ListBox* list_;  // null for the views of other list kinds
    std::vector<std::string> shownRows_;
    int shownTop_ = -1;
};

}  // namespace lumbrix::qt
