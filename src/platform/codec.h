#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumbrix {

// Text is UTF-8 in memory. On disk a file is UTF-8 or Windows-1257 (the Baltic code page of
// the original files) and keeps the encoding it was read in: a file read as UTF-8 is written
// back as UTF-8, a Windows-1257 file as Windows-1257, and a new file (or one of plain ASCII,
// which reads the same either way) in Windows-1257 when every character fits, else in UTF-8.
// Code page bytes that would read as UTF-8 are never written: such text goes out as UTF-8.
// No write turns a character into "?": text that the code page cannot hold is written as UTF-8.

// True when every byte is ASCII: such bytes read the same in every encoding the program reads.
bool isAscii(std::string_view bytes);

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

// The encoding a file (or a list row) was read in. Undecided: a new file, or bytes of plain
// ASCII that read the same in both encodings.
enum class TextEncoding { Undecided, Utf8, Windows1257 };

// Text read from a file's bytes and the encoding it was read in.
struct DecodedText {
    std::string text;
    TextEncoding encoding = TextEncoding::Undecided;
    bool byteOrderMark = false;  // a UTF-8 file that starts with EF BB BF
};
DecodedText decodeFileTextKeepingEncoding(std::string_view bytes);

// True when every character of the UTF-8 text has a byte in Windows-1257.
bool fitsWindows1257(std::string_view utf8);

// The encoding to write text in when it was read in `readIn`: UTF-8 stays UTF-8; Windows-1257
// and Undecided give Windows-1257 when every character fits and its bytes do not read as
// UTF-8 (a reader would take them for UTF-8 text), else UTF-8. What is written reads back as
// the same text.
TextEncoding encodingForWrite(std::string_view utf8, TextEncoding readIn);

// The bytes of text written as encodingForWrite(utf8, readIn) says, with the byte order mark
// in front when byteOrderMark is set and the result is UTF-8.
std::string encodeFileText(std::string_view utf8, TextEncoding readIn, bool byteOrderMark = false);

// True when bytes look like text: no NUL byte and no control character other than tab, line
// feed, carriage return, form feed and the end-of-file mark 0x1A.
bool looksLikeText(std::string_view bytes);

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
