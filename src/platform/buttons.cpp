#include "platform/buttons.h"

#include "platform/form.h"
#include "platform/vb_error.h"

namespace lumbrix {

void OptionButton::setValueSilently(bool v) {
    if (value_ == v) return;
    value_ = v;
    touch();
}

void OptionButton::setValue(bool selected) {
    if (!selected) {
        setValueSilently(false);
        return;
    }
    if (value_) return;
    for (Control* c : form().controls()) {
        if (c == this || c->kind() != ControlKind::OptionButton) continue;
        if (c->container() != container()) continue;
        static_cast<OptionButton*>(c)->setValueSilently(false);
    }
    setValueSilently(true);
    Click.raise();
}

void CheckBox::setValue(int v) {
    if (v < checkstate::kUnchecked || v > checkstate::kGrayed) {
        throw VbError(vberr::kInvalidPropertyValue);
    }
    if (value_ == v) return;
    value_ = v;
    touch();
    Click.raise();
}

}  // namespace lumbrix
