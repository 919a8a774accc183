#pragma once

#include <span>

namespace lumbrix {

class Form;

// A caption that the program carries in both languages itself, for a control or menu item
// whose text the language file does not hold.
struct BilingualCaption {
    const char* target;  // a menu item of the window, or else a control
    const char* estonian;
    const char* english;
};

// The main window's captions that the language file's table does not name: the placement
// buttons, the pattern header, the results panel's added figures, the catalogue tab's headings
// and the profile menu's save-as item.
extern const std::span<const BilingualCaption> kMainBilingualCaptions;

// Puts each caption on its target in the language the messages use (Estonian or English).
void applyBilingualCaptions(Form& form, std::span<const BilingualCaption> captions, bool estonian);

}  // namespace lumbrix
