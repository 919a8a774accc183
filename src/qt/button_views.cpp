#include "qt/button_views.h"

#include <QIcon>
#include <algorithm>

#include "qt/label_views.h"

#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

namespace {

// Buttons keep the style's face unless the program gives them a colour of their own.
void applyButtonColors(QWidget* w, const Control& c) {
    // A system colour leaves the desktop's own button face, unless the program gave the
    // button a colour before: then the face is put back (a style marker turned off).
    if (!colors::isSystem(c.backColor()) ||
        w->palette().isBrushSet(QPalette::Active, QPalette::Button))
        setRoleColor(w, QPalette::Button, c.backColor());
    setRoleColor(w, QPalette::ButtonText, c.foreColor());
}

void applyCaption(QAbstractButton* b, const Control& c) {
    const QString text = toQ(c.caption());
    if (b->text() != text) b->setText(text);
}

}  // namespace

CommandButtonView::CommandButtonView(CommandButton& model, FormView& host, QWidget* parent)
    : QPushButton(parent), ControlView(model, host), button_(model) {
    // Enter presses the window's default button only, not whichever button has the focus.
    setAutoDefault(false);
    track(connect(this, &QPushButton::clicked, this,
                  [this] { this->host().dispatch([this] { button_.press(); }, this); }));
}

void CommandButtonView::refreshColors() {
    applyButtonColors(this, button_);
}

void CommandButtonView::refreshContent() {
    applyCaption(this, button_);
    setDefault(button_.isDefault());
    if (button_.picture() != shownPicture_) {
        shownPicture_ = button_.picture();
        const QPixmap pixmap = pictureFile(shownPicture_);
        setIcon(pixmap.isNull() ? QIcon() : QIcon(pixmap));
        if (!pixmap.isNull()) {
            // As large as the picture, but never taller than the button leaves room for.
            const int side = std::min(pixmap.height(), std::max(16, height() - 8));
            setIconSize(QSize(side, side));
        }
    }
}

OptionButtonView::OptionButtonView(OptionButton& model, FormView& host, QWidget* parent)
    : QRadioButton(parent), ControlView(model, host), option_(model) {
    // The model keeps each group to one selected option; the widgets only show it.
    setAutoExclusive(false);
    track(connect(this, &QRadioButton::clicked, this,
                  [this] { this->host().dispatch([this] { option_.setValue(true); }, this); }));
}

void OptionButtonView::refreshColors() {
    setRoleColor(this, QPalette::Window, option_.backColor());
    setRoleColor(this, QPalette::WindowText, option_.foreColor());
}

void OptionButtonView::refreshContent() {
    applyCaption(this, option_);
    setChecked(option_.value());
}

GraphicalOptionView::GraphicalOptionView(OptionButton& model, FormView& host, QWidget* parent)
    : QPushButton(parent), ControlView(model, host), option_(model) {
    setCheckable(true);
    setAutoDefault(false);
    track(connect(this, &QPushButton::clicked, this,
                  [this] { this->host().dispatch([this] { option_.setValue(true); }, this); }));
}

void GraphicalOptionView::refreshColors() {
    applyButtonColors(this, option_);
}

void GraphicalOptionView::refreshContent() {
    applyCaption(this, option_);
    setChecked(option_.value());
}

CheckBoxView::CheckBoxView(CheckBox& model, FormView& host, QWidget* parent)
    : QCheckBox(parent), ControlView(model, host), check_(model) {
    track(connect(this, &QCheckBox::clicked, this,
                  [this] { this->host().dispatch([this] { check_.toggle(); }, this); }));
}

void CheckBoxView::refreshColors() {
    setRoleColor(this, QPalette::Window, check_.backColor());
    setRoleColor(this, QPalette::WindowText, check_.foreColor());
}

void CheckBoxView::refreshContent() {
    applyCaption(this, check_);
    const Qt::CheckState state = check_.value() == checkstate::kChecked  ? Qt::Checked
                                 : check_.value() == checkstate::kGrayed ? Qt::PartiallyChecked
                                                                         : Qt::Unchecked;
    if (checkState() != state) setCheckState(state);
}

}  // namespace lumbrix::qt
