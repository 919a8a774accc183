#pragma once

#include <string>
#include <vector>

namespace lumbrix {
class Form;
}

namespace lumbrix::qt {
class FormView;
}

namespace lumbrix::test {

// One text that its control's widget does not show whole: the control, the text and why.
struct CutText {
    std::string control;
    std::string text;
    std::string why;
};

// Every caption of the window's visible labels, buttons, options, check boxes, frames, tabs
// and one-line text boxes that does not fit its widget in the widget's own font: wider than
// the room the widget leaves for it (and so cut or wrapped), taller than the widget (cut at
// the bottom, including the ink of letters that reach below the line, as "_" does), or
// reaching out of the frame or window that holds it; and every list row cut short.
std::vector<CutText> cutTexts(const qt::FormView& view);

// The offenders as lines "window / control: "text" (why)", one a line, for a failure message.
std::string describe(const std::string& window, const std::vector<CutText>& cut);

}  // namespace lumbrix::test
