#pragma once

#include <string>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/buttons.h"
#include "qt/control_view.h"

namespace lumbrix::qt {

// A command button: a click presses the model's button.
class CommandButtonView : public QPushButton, public ControlView {
  public:
    CommandButtonView(CommandButton& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshColors() override;
    void refreshContent() override;

  private:
    CommandButton& button_;
    std::string shownPicture_;
};

// An option button: a click selects the model's option (the model clears its group).
class OptionButtonView : public QRadioButton, public ControlView {
  public:
    OptionButtonView(OptionButton& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshColors() override;
    void refreshContent() override;

  private:
    OptionButton& option_;
};

// A graphical option button: a push button that stays down while its option is selected.
class GraphicalOptionView : public QPushButton, public ControlView {
  public:
    GraphicalOptionView(OptionButton& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshColors() override;
    void refreshContent() override;

  private:
    OptionButton& option_;
};

// A check box: a click toggles the model; grey shows as partly checked.
class CheckBoxView : public QCheckBox, public ControlView {
  public:
    CheckBoxView(CheckBox& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshColors() override;
    void refreshContent() override;

  private:
    CheckBox& check_;
};

}  // namespace lumbrix::qt
