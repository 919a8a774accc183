// The codec and the text column helpers: any bytes. Windows-1257 bytes come back exactly,
// text that fits comes back through Windows-1257, written text reads back as itself, and the
// column helpers agree with each other.
#include <algorithm>

#include "fuzz_support.h"
#include "platform/codec.h"
#include "platform/text.h"

using namespace lumbrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    fuzz::runReader([&] {
        const std::string decoded = decodeWindows1257(bytes);
        if (!isValidUtf8(decoded)) fuzz::violated("decoded text is not UTF-8");
        if (encodeWindows1257(decoded) != bytes) fuzz::violated("Windows-1257 bytes changed");
        if (isValidUtf8(bytes) && fitsWindows1257(bytes) &&
            decodeWindows1257(encodeWindows1257(bytes)) != bytes) {
            fuzz::violated("text that fits Windows-1257 does not come back");
        }
        if (!looksLikeText(bytes) && std::none_of(bytes.begin(), bytes.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20;
            })) {
            fuzz::violated("text without control characters is not text");
        }

        // The column helpers on text as the program holds it: decoded, so valid UTF-8.
        const std::string text = fuzz::textOf(bytes);
        // Whatever a file is written in reads back as the same text (a leading U+FEFF aside:
        // the reader takes it for a byte order mark).
        if (!text.starts_with("\xEF\xBB\xBF")) {
            for (const TextEncoding readIn : {TextEncoding::Undecided, TextEncoding::Windows1257}) {
                if (decodeFileText(encodeFileText(text, readIn)) != text) {
                    fuzz::violated("written text reads back changed");
                }
            }
        }
        const int length = Len(text);
        const int n = size > 0 ? static_cast<unsigned char>(bytes[0]) % (length + 2) : 0;
        const std::string left = Left(text, n);
        if (left + Mid(text, n + 1) != text) fuzz::violated("Left and Mid do not make the text");
        if (Len(left) != std::min(n, length)) fuzz::violated("Left's length");
        if (Right(text, length - std::min(n, length)) != Mid(text, std::min(n, length) + 1)) {
            fuzz::violated("Right and Mid disagree");
        }
        if (Len(PadRight(text, n)) != n) fuzz::violated("PadRight's width");
        if (StrCompText(UCase(text), LCase(text)) != 0) fuzz::violated("case matters in order");
        if (StrCompText(text, text) != 0) fuzz::violated("a text differs from itself");
        const std::string needle = Mid(text, n / 2 + 1, 2);
        const int found = InStr(text, needle);
        if (!needle.empty() && (found < 1 || Mid(text, found, Len(needle)) != needle)) {
            fuzz::violated("InStr misses a part of the text");
        }
        if (Replace(text, "", "x") != text) fuzz::violated("an empty find changes the text");
    });
    return 0;
}
