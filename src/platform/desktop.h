#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lumbrix {

class Form;
class Menu;
class Timer;

// Message box styles: one button set plus one icon, added together as the program's
// message boxes give them.
namespace mb {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kButtonMask = 0x0F;

inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kIconMask = 0x70;
}  // namespace mb

// The button a message box was closed with.
enum class MsgResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Everything that needs a real desktop goes through this one seam: the Qt desktop shows
// real boxes and windows, the test desktop answers from a script.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Shows a message box and returns the button pressed. `title` is never empty here:
    // the caller puts in the application's title when a box names none.
    virtual MsgResult messageBox(const std::string& text, int style, const std::string& title) = 0;
    // The language of the message boxes' buttons from now on (the program's current language:
    // Estonian, or English). A desktop whose buttons carry no words of their own ignores it.
    virtual void setMessageLanguage(bool estonian) { (void)estonian; }

    // Runs a nested loop while `form` is shown modally; returns once it is hidden or unloaded.
    virtual void runModal(Form& form, Form* owner) = 0;

    // A window became visible without a modal loop, was hidden, or is being unloaded.
    virtual void windowShown(Form& form) = 0;
    virtual void windowHidden(Form& form) = 0;
    virtual void windowUnloaded(Form& form) = 0;

    // Shows a pop-up menu of `menu`'s visible items, at the pointer or at a position in
    // twips of `form`'s client area. A chosen item's Click runs before this returns.
    virtual void popupMenu(Form& form, Menu& menu, std::optional<double> xTwips,
                           std::optional<double> yTwips) = 0;

    virtual void beep() = 0;

    // Timers: the desktop calls `Timer::fire()` from its event loop every interval while armed.
    virtual void armTimer(Timer& timer, int intervalMs) = 0;
    virtual void disarmTimer(Timer& timer) = 0;

    // The printer dialog; false when the planner cancelled it.
    virtual bool showPrinterDialog(const std::string& title) = 0;
    // Prints the client area of `form` with its visible controls, without its command
    // buttons, as one page on the printer last chosen. False when printing failed.
    virtual bool printForm(Form& form) = 0;

    // Opens a document with the desktop's viewer. False when no viewer could be started.
    virtual bool openDocument(const std::filesystem::path& path) = 0;

    // Ends the program at once: every loop stops and no window's unload handler runs.
    virtual void endProgram() = 0;

    virtual CalendarDate now() = 0;
    virtual std::string environment(const std::string& name) = 0;
    // The INI file that holds the per-user settings.
    virtual std::filesystem::path userSettingsPath() = 0;
};

}  // namespace lumbrix
