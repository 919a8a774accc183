#pragma once

#include <span>
#include <string>

namespace lumbrix {

class Application;
class Form;

// Where one text of a dialog's caption table goes.
enum class DialogTarget {
    WindowCaption,    // the dialog's own caption (with or without the "LUMBRIX - " prefix)
    Control,          // the caption of the dialog's control `target`
    Menu,             // the caption of the dialog's menu item `target`
    CopyMainControl,  // control `target` takes the caption of the main window's control `source`
    CopyMainMenu,     // control or menu item `target` takes the main window's menu `source`
    PatternName,      // control `target` shows the main window's pattern name, or "unnamed"
};

// One row of a dialog's caption table. Rows that copy from the main window have no key.
struct DialogCaptionRow {
    const char* key;
    DialogTarget kind;
    const char* target;
    const char* source = nullptr;
};

// A dialog's section of the language file and its rows, in the order they are applied.
struct DialogCaptionTable {
    const char* section;
    bool prefixedWindowCaption;  // "LUMBRIX - " before the window caption's text
    std::span<const DialogCaptionRow> rows;
};

namespace dialogcaptions {
extern const DialogCaptionTable kSoovita;
extern const DialogCaptionTable kPalgiHinnad;
extern const DialogCaptionTable kSalvestaUusKava;
extern const DialogCaptionTable kSeaded;
extern const DialogCaptionTable kAvaKava;
extern const DialogCaptionTable kArvutused;
extern const DialogCaptionTable kProfiil;
// Every table, for checks that walk them all.
extern const std::span<const DialogCaptionTable* const> kAll;
}  // namespace dialogcaptions

// A dialog's Lae_keel: reads its section of the current language file (the main window's
// lblValitudKeel in the language folder) and puts each row's text on its target; rows without
// a key copy the main window's caption as it stands. Every row runs; a missing file, section
// or key shows "0". A file that cannot be read as a whole is reported and the rows with keys
// leave their targets' built-in texts.
void loadDialogCaptions(Application& app, Form& dialog, const DialogCaptionTable& table);

// The menu item `name` of `form` or, failing that, its control `name` takes `text`. A name
// the form lacks is a fault of the program, not of a file: VbError 424 "Object required".
void setCaptionByName(const Form& form, const char* name, const std::string& text);

}  // namespace lumbrix
