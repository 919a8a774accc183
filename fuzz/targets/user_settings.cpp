// The user settings file: any bytes as the file; a saved value reads back exactly or is
// refused, the other values stay, and the file is UTF-8 afterwards.
#include <fstream>

#include "fuzz_support.h"
#include "platform/codec.h"
#include "platform/ini_file.h"
#include "platform/text.h"
#include "platform/user_settings.h"

using namespace lumbrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const std::filesystem::path file = fuzz::scratchFolder() / "settings.ini";
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));

    fuzz::runReader([&] {
        UserSettings settings(file);
        const ProfileEntries before = readProfileSection(file, UserSettings::kSection);
        const std::string key = "Fuzzed";
        const std::string value = fuzz::textOf(bytes.substr(0, bytes.size() % 300));
        const FileResult saved = settings.save(key, value);
        if (!saved) {
            if (storedProfileValue(value)) fuzz::violated("a storable value was refused");
            return;
        }
        if (settings.get(key, "<none>") != value)
            fuzz::violated("a saved value reads back changed");
        std::ifstream in(file, std::ios::binary);
        const std::string written((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
        if (!isValidUtf8(written)) fuzz::violated("the settings file is not UTF-8");
        const IniDocument original = IniDocument::fromBytes(bytes);
        for (const auto& entry : before) {
            const std::string& name = entry.first;
            if (StrCompText(name, key) == 0) continue;
            if (settings.get(name, "<none>") !=
                original.get(UserSettings::kSection, name, "<none>")) {
                fuzz::violated("another value changed: " + name);
            }
        }
    });
    return 0;
}
