// INI text: any bytes read as a document; the bytes come back exactly through the encoding
// they were read in, a written document reads back with the same values, and a value stored
// through storedProfileValue reads back exactly.
#include "fuzz_support.h"
#include "platform/codec.h"
#include "platform/ini_file.h"

using namespace lumbrix;

namespace {

void sameEntries(const IniDocument& a, const IniDocument& b, const std::string& what) {
    for (const std::string& line : a.lines()) {
        const std::size_t open = line.find('[');
        const std::size_t close = line.find(']');
        if (open == std::string::npos || close == std::string::npos || close < open) continue;
        const std::string section = line.substr(open + 1, close - open - 1);
        if (a.entries(section) != b.entries(section)) fuzz::violated(what + " [" + section + "]");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    fuzz::runReader([&] {
        const DecodedText decoded = decodeFileTextKeepingEncoding(bytes);
        if (encodeFileText(decoded.text, decoded.encoding, decoded.byteOrderMark) != bytes) {
            fuzz::violated("the bytes do not come back through the encoding they were read in");
        }
        const IniDocument document = IniDocument::fromBytes(bytes);
        const IniDocument again =
            IniDocument::fromBytes(encodeFileText(document.text(), document.encoding(), false));
        sameEntries(document, again, "a written document reads back changed in");

        // Removing takes exactly the key's line, or the section's lines.
        const ProfileEntries first = document.entries("SEADED");
        IniDocument removed = document;
        if (!first.empty()) {
            if (!removed.removeKey("SEADED", first.front().first) ||
                removed.lines().size() + 1 != document.lines().size()) {
                fuzz::violated("removing a key did not take exactly its line");
            }
        }
        if (removed.removeSection("SEADED") && removed.lines().size() >= document.lines().size()) {
            fuzz::violated("removing a section took no line");
        }

        // A value made of the input's last bytes, stored under a key of the first section.
        const std::string value = fuzz::textOf(bytes.substr(bytes.size() / 2));
        const auto stored = storedProfileValue(value);
        if (!stored) return;
        IniDocument changed = document;
        changed.set("Fuzz", "Key", *stored);
        const IniDocument read =
            IniDocument::fromBytes(encodeFileText(changed.text(), changed.encoding(), false));
        if (read.value("Fuzz", "Key") != value && !document.hasSection("Fuzz")) {
            fuzz::violated("a stored value does not read back exactly");
        }
    });
    return 0;
}
