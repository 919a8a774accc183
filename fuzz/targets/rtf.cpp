// RTF: any bytes as a document; only the program's error escapes, and what was read is
// written and read back with the same text and formats. Plain text (the input decoded) written
// as a document reads back as the same text.
#include "platform/rtf.h"
#include "fuzz_support.h"
#include "platform/text.h"

using namespace lumbrix;

namespace {

// Line breaks as a document gives them back: "\r\n" for each of "\r\n", "\r" and "\n".
std::string withCrLf(const std::string& text) {
    return Replace(Replace(Replace(text, "\r\n", "\n"), "\r", "\n"), "\n", "\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    fuzz::runReader([&] {
        const RichText doc = readRtf(bytes);
        const RichText again = readRtf(writeRtf(doc));
        // A line break is written as a paragraph mark, which reads back as "\r\n".
        if (again.text != withCrLf(doc.text)) {
            fuzz::violated("a read document's text reads back changed");
        }
        if (doc.text == withCrLf(doc.text) && again.formats != doc.formats) {
            fuzz::violated("a read document's formats changed");
        }
    });
    fuzz::runReader([&] {
        RichText plain;
        plain.text = fuzz::textOf(bytes);
        plain.formats.assign(static_cast<std::size_t>(Len(plain.text)), CharFormat{});
        if (readRtf(writeRtf(plain)).text != withCrLf(plain.text)) {
            fuzz::violated("plain text reads back changed");
        }
    });
    return 0;
}
