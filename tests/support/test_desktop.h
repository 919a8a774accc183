#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/event_runtime.h"

namespace lumbrix::test {

// A message box as the program showed it.
struct ShownMessage {
    std::string text;
    int style = 0;
    std::string title;
};

// The desktop of the tests. Message boxes are answered from a queue and recorded (a box with
// no queued answer fails the test); modal windows run a scripted callback; timers run on a
// virtual clock that the test advances; printing and documents are recorded; the date is fixed.
// Constructing it installs it as the desktop in use; destroying it restores the previous one.
class TestDesktop : public Desktop {
  public:
    TestDesktop();
    ~TestDesktop() override;

    // --- message boxes
    void expectMessage(MsgResult answer);
    const std::vector<ShownMessage>& messages() const { return messages_; }
    const ShownMessage& lastMessage() const;
    void clearMessages() { messages_.clear(); }
    std::size_t unansweredExpectations() const { return answers_.size(); }

    // --- modal windows: each modal show pops one script, which runs inside the modal loop
    // and should end by hiding or unloading the window.
    void onNextModal(std::function<void(Form&)> script);
    const std::vector<std::string>& modalWindowsShown() const { return modalShown_; }

    // --- pop-up menus: each pop-up pops the name of the item to choose ("" dismisses it).
    void choosePopupItem(std::string itemName);
    struct ShownPopup {
        std::string menuName;
        bool atPointer = true;
        double xTwips = 0;
        double yTwips = 0;
    };
    const std::vector<ShownPopup>& popupsShown() const { return popups_; }

    // --- timers on a virtual clock
    void advanceClock(int milliseconds);
    long long clockMs() const { return clockMs_; }
    bool isArmed(const Timer& timer) const;

    // --- printing and documents
    void setPrinterDialogAnswer(bool accept) { printerDialogAccepts_ = accept; }
    void setPrintSucceeds(bool ok) { printSucceeds_ = ok; }
    // Runs at every print, before the window is recorded: the window as it goes to paper.
    void onPrint(std::function<void(Form&)> observer) { printObserver_ = std::move(observer); }
    const std::vector<std::string>& printerDialogTitles() const { return printerDialogTitles_; }
    const std::vector<std::string>& printedWindows() const { return printed_; }
    void setOpenDocumentSucceeds(bool ok) { openDocumentSucceeds_ = ok; }
    const std::vector<std::filesystem::path>& openedDocuments() const { return opened_; }

    // --- windows shown and hidden without a modal loop
    const std::vector<std::string>& windowEvents() const { return windowEvents_; }

    int beeps() const { return beeps_; }
    // How often the program asked to end.
    int programEnds() const { return programEnds_; }

    void setNow(CalendarDate date) { now_ = date; }
    void setEnvironment(const std::string& name, const std::string& value) { env_[name] = value; }
    void setUserSettingsPath(std::filesystem::path path) { settingsPath_ = std::move(path); }

    // Desktop
    MsgResult messageBox(const std::string& text, int style, const std::string& title) override;
    void runModal(Form& form, Form* owner) override;
    void windowShown(Form& form) override;
    void windowHidden(Form& form) override;
    void windowUnloaded(Form& form) override;
    void popupMenu(Form& form, Menu& menu, std::optional<double> xTwips,
                   std::optional<double> yTwips) override;
    void beep() override { ++beeps_; }
    void armTimer(Timer& timer, int intervalMs) override;
    void disarmTimer(Timer& timer) override;
    bool showPrinterDialog(const std::string& title) override;
    bool printForm(Form& form) override;
    bool openDocument(const std::filesystem::path& path) override;
    void endProgram() override { ++programEnds_; }
    CalendarDate now() override { return now_; }
    std::string environment(const std::string& name) override;
    std::filesystem::path userSettingsPath() override { return settingsPath_; }

  private:
    struct ArmedTimer {
        int intervalMs;
        long long dueMs;
    };

    runtime::ScopedDesktop installed_;
    std::deque<MsgResult> answers_;
    std::vector<ShownMessage> messages_;
    std::deque<std::function<void(Form&)>> modalScripts_;
    std::vector<std::string> modalShown_;
    std::deque<std::string> popupChoices_;
    std::vector<ShownPopup> popups_;
    std::map<Timer*, ArmedTimer> timers_;
    long long clockMs_ = 0;
    bool printerDialogAccepts_ = true;
    bool printSucceeds_ = true;
    std::function<void(Form&)> printObserver_;
    std::vector<std::string> printerDialogTitles_;
    std::vector<std::string> printed_;
    bool openDocumentSucceeds_ = true;
    std::vector<std::filesystem::path> opened_;
    std::vector<std::string> windowEvents_;
    int beeps_ = 0;
    int programEnds_ = 0;
    CalendarDate now_{2026, 3, 14, 10, 20, 30};
    std::map<std::string, std::string> env_{{"USERNAME", "planner"}};
    std::filesystem::path settingsPath_;
};

}  // namespace lumbrix::test
