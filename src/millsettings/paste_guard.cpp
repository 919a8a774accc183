#include "millsettings/paste_guard.h"

#include <string>

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/text.h"

namespace lumbrix {

void guardAgainstPaste(TextBox& field, KeyRule rule, bool& programWrites, Desktop& desktop) {
    field.Change.connect(
        [&field, rule, &programWrites, &desktop, accepted = field.text()]() mutable {
            const std::string now = field.text();
            if (programWrites || changeKeepsToRule(rule, accepted, now)) {
                accepted = now;
                return;
            }
            desktop.beep();
            const std::string kept = accepted;
            programWrites = true;
            field.setText(kept);
            field.setSelStart(static_cast<int>(Len(kept)));
            programWrites = false;
        });
}

}  // namespace lumbrix
