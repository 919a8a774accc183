#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumbrix {

// Text is UTF-8 in memory and Windows-1257 (the Baltic code page) on disk. Reading also
// accepts UTF-8 files, so a file edited with a modern editor still loads.

// True when bytes is well-formed UTF-8: shortest forms only, no surrogates, nothing above
// U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Windows-1257 bytes to UTF-8. The byte values that the code page leaves undefined become
// the C1 control characters of the same value (0x81 -> U+0081), so every byte string comes
// back unchanged through encodeWindows1257.
std::string decodeWindows1257(std::string_view bytes);

// UTF-8 to Windows-1257 bytes. A character that the code page lacks, and a byte that is not
// part of a well-formed UTF-8 sequence, becomes "?".
std::string encodeWindows1257(std::string_view utf8);

// The text of a file's bytes: valid UTF-8 is taken as UTF-8 (without a leading byte order
// mark), anything else is decoded as Windows-1257.
std::string decodeFileText(std::string_view bytes);

// One step of walking through UTF-8 text. A byte that does not start a well-formed sequence
// is one character of length 1 with valid == false, so text with stray bytes still has a
// character count and keeps its bytes when it is cut.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;
    bool valid = false;
};

// The character that starts at byte pos (pos < text.size()).
Utf8Char decodeUtf8At(std::string_view text, std::size_t pos);

// Appends the UTF-8 bytes of codePoint (at most U+10FFFF) to out.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace lumbrix
