#include "command_output.h"

#include <array>
#include <cstdio>
#include <memory>
#include <utility>

namespace lumbrix::test {

std::string commandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string text;
    std::array<char, 4096> buffer{};
    while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get()))
        text += buffer.data();
    return text;
}

std::string pdfText(const std::string& file, bool layout) {
    std::string text = commandOutput(std::string("pdftotext -enc UTF-8 ") +
                                     (layout ? "-layout '" : "'") + file + "' - 2>&1");
    for (const auto& [ligature, letters] :
         {std::pair{"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}}) {
        for (auto at = text.find(ligature); at != std::string::npos; at = text.find(ligature, at))
            text.replace(at, 3, letters);
    }
    return text;
}

}  // namespace lumbrix::test
