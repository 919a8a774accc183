#pragma once

#include "millsettings/settings_input_rules.h"

namespace lumbrix {

class Desktop;
class TextBox;

// Guards a typed field against what its key filter refuses when it comes by another way (a
// paste): a change of the text that brings a character `rule` drops is undone whole, with the
// filter's beep, and the caret goes to the end of the text kept, not back to the start.
// Changes made while `programWrites` is set are the form's own and pass; the guard sets it
// around its own write. The field's Change event belongs to the guard.
void guardAgainstPaste(TextBox& field, KeyRule rule, bool& programWrites, Desktop& desktop);

}  // namespace lumbrix
