#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/codec.h"
#include "platform/desktop.h"
#include "platform/event_runtime.h"

namespace lumbrix::fuzz {

namespace {

class QuietDesktop : public Desktop {
  public:
    MsgResult messageBox(const std::string&, int, const std::string&) override {
        return MsgResult::Ok;
    }
    void runModal(Form&, Form*) override {}
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
    CalendarDate now() override { return {}; }
    std::string environment(const std::string&) override { return {}; }
    std::filesystem::path userSettingsPath() override { return scratchFolder() / "settings.ini"; }
};

}  // namespace

void useQuietDesktop() {
    static QuietDesktop desktop;
    if (!runtime::hasDesktop()) runtime::setDesktop(&desktop);
}

std::filesystem::path scratchFolder() {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        const fs::path shm = "/dev/shm";
        std::error_code ec;
        const fs::path base = fs::is_directory(shm, ec) ? shm : fs::temp_directory_path();
        return base / ("lumbrix-fuzz-" + std::to_string(::getpid()));
    }();
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    return folder;
}

std::string textOf(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : decodeWindows1257(bytes);
}

void violated(const std::string& what) {
    std::fprintf(stderr, "property violated: %s\n", what.c_str());
    std::abort();
}

}  // namespace lumbrix::fuzz
