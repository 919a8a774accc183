#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/codec.h"
#include "platform/event_runtime.h"
#include "platform/quiet_desktop.h"

namespace lumbrix::fuzz {

void useQuietDesktop() {
    static QuietDesktop desktop{scratchFolder() / "settings.ini", {}, {}};
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
