#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/vb_error.h"

namespace lumbrix::fuzz {

// The input of one run as bytes.
inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Installs, once, a desktop that answers every message box with OK and does nothing else, so
// that readers that report through a box run without a screen.
void useQuietDesktop();

// A folder of its own for the files one run writes; emptied at each call.
std::filesystem::path scratchFolder();

// Text from arbitrary bytes as a file row is read: valid UTF-8 as it is, else Windows-1257.
std::string textOf(std::string_view bytes);

// Ends the run with the property that does not hold; libFuzzer keeps the input.
[[noreturn]] void violated(const std::string& what);

// Runs a reader: only the program's own error type (VbError) may escape it. True when it
// returned normally.
template <typename F>
bool runReader(F&& reader) {
    try {
        reader();
        return true;
    } catch (const VbError&) {
        return false;
    } catch (const std::exception& e) {
        violated(std::string("an error other than the program's own escaped: ") + e.what());
    }
}

}  // namespace lumbrix::fuzz
