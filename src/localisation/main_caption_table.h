#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace lumbrix {

class Application;
class LanguageFile;

// Where one caption of the start-up table goes.
enum class CaptionTarget {
    MainControl,        // the caption of the main window's control `target`
    MainMenu,           // the caption of the main window's menu item `target`
    MainMenuAndButton,  // menu item `target`, then button `second`, the same text
    MainMenuAndMenu,    // menu item `target`, then menu item `second` takes its caption
    MainTab,            // SSTab1: tab `tab` becomes current, then the current tab's caption
    StoreField,         // the store's carried text lblKKLabelLogATP
    View3dControl,      // the caption of the 3D view's control `target`
};

// One row of the start-up caption table: a key of a section of the language file and the
// target that shows its text.
struct MainCaptionRow {
    const char* section;
    const char* key;
    CaptionTarget kind;
    const char* target;
    const char* second = nullptr;
    int tab = -1;
};

// The captions that the main window, the store and the 3D view take from the language file
// at start-up, in the order they are applied. The first row's target loads the main window.
extern const std::array<MainCaptionRow, 85> kMainCaptionTable;

// Further rows read after the table: controls that the table does not name whose text a key
// of the file already holds.
extern const std::array<MainCaptionRow, 4> kMainFurtherCaptionRows;

// The copies made after the table: a main-window menu item or button takes the caption that
// another one shows by then.
struct CaptionCopy {
    const char* target;
    bool targetIsMenu;
    const char* source;
    bool sourceIsMenu;
};
extern const std::array<CaptionCopy, 5> kMainCaptionCopies;

// Applies the language file `fileName` of `folder` once at start-up: every row of the table in
// order (the main window loads, hidden, at the first row; the store and the 3D view at theirs),
// then the further rows, then `lblValitudKeel` takes the file name (and the message boxes' buttons
// its language), then the copies are made, then the window's own two-language captions follow
// the language. The main window stays hidden on its first tab. A missing file, section or key
// shows "0"; nothing is reported. A file that cannot be read as a whole (not text, too large,
// refused by the system) is reported once and the captions keep their built-in texts.
void applyLanguageFile(Application& app, const std::filesystem::path& folder,
                       const std::string& fileName);

// Puts one row's text on its target (loading the target's window on first use).
void applyCaptionRow(Application& app, const MainCaptionRow& row, const std::string& text);

}  // namespace lumbrix
