#pragma once

#include <QDialog>

#include "platform/form.h"

namespace lumbrix::qt {

class FormView;

// The top-level window of a window model: its caption, size (fixed or not) and position
// follow the model. Closing it from its title bar asks the model (which may refuse); the
// window follows what the model decides. Escape presses the model's cancel button and
// Enter its default button. It runs a modal loop for a modally shown window.
class FormWindow : public QDialog {
    Q_OBJECT

  public:
    FormWindow(Form& form, QWidget* parent = nullptr);
    ~FormWindow() override;

    Form& form() const { return form_; }
    FormView* view() const { return view_; }

    // Shows the window and runs its loop until `endModal` (the model hid or unloaded it).
    void runModal();
    void endModal();
    bool inModalLoop() const { return inModalLoop_; }

    // Brings caption, size, position and visibility in line with the model.
    void syncFromModel();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    // The window was moved (by the planner, the window system or its centring): the model
    // takes its new place, so that windows placed from it open where it is.
    void moveEvent(QMoveEvent* event) override;

  private:
    void applySize();
    // Puts the new window where it opens: each edge the model placed where the model has it,
    // 0 included; the others centred over the owner or on the screen.
    void placeAtOpening();

    Form& form_;
    FormView* view_;
    bool inModalLoop_ = false;
    bool sizing_ = false;
    double appliedWidth_ = -1;
    double appliedHeight_ = -1;
    double appliedLeft_ = 0;  // the model's place last put on the window
    double appliedTop_ = 0;
};

}  // namespace lumbrix::qt
