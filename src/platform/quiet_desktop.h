#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "platform/desktop.h"
#include "platform/form.h"

namespace lumbrix {

// A desktop for programs that run the windows without a screen (benchmarks, fuzzing): every
// message box answers OK, a modal window closes at once, timers never fire, nothing is
// printed or opened, and the clock and the environment give fixed values.
class QuietDesktop : public Desktop {
  public:
    QuietDesktop(std::filesystem::path userSettingsFile, CalendarDate today,
                 std::string environmentValue)
        : userSettingsFile_(std::move(userSettingsFile)),
          today_(today),
          environmentValue_(std::move(environmentValue)) {}

    MsgResult messageBox(const std::string&, int, const std::string&) override {
        return MsgResult::Ok;
    }
    void runModal(Form& form, Form*) override { form.hide(); }
    void windowShown(Form&) override {}
    void windowHidden(Form&) override {}
    void windowUnloaded(Form&) override {}
    void popupMenu(Form&, Menu&, std::optional<double>, std::optional<double>) override {}
    void beep() override {}
    void armTimer(Timer&, int) override {}
    void disarmTimer(Timer&) override {}
    bool showPrinterDialog(const std::string&) override { return false; }
    bool printForm(Form&) override { return false; }
    bool openDocument(const std::filesystem::path&) override { return false; }
    void endProgram() override {}
    CalendarDate now() override { return today_; }
    std::string environment(const std::string&) override { return environmentValue_; }
    std::filesystem::path userSettingsPath() override { return userSettingsFile_; }

  private:
    std::filesystem::path userSettingsFile_;
    CalendarDate today_;
    std::string environmentValue_;
};

}  // namespace lumbrix
