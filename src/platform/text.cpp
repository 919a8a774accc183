#include "platform/text.h"

#include <array>
#include <utility>

#include "platform/codec.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

void requireNonNegative(int n) {
    if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
}

void requirePositiveStart(int start) {
    if (start < 1) throw VbError(vberr::kInvalidProcedureCall);
}

// The byte length of the character at pos; an ASCII byte, the common case of the program's
// fixed-column rows, is one character without decoding.
std::size_t charLengthAt(std::string_view s, std::size_t pos) {
    return static_cast<unsigned char>(s[pos]) < 0x80 ? 1 : decodeUtf8At(s, pos).length;
}

// Byte offset after skipping count characters from byte offset from (or the end of s).
std::size_t skipChars(std::string_view s, std::size_t from, int count) {
    std::size_t pos = from;
    for (int i = 0; i < count && pos < s.size(); ++i) {
        pos += charLengthAt(s, pos);
    }
    return pos;
}

// Capital and small letter pairs beyond ASCII and Latin-1: the Baltic letters of
// Windows-1257.
constexpr std::array<std::pair<char32_t, char32_t>, 24> kBalticLetters = {{
    {0x0100, 0x0101},  // Ā ā
    {0x0104, 0x0105},  // Ą ą
    {0x0106, 0x0107},  // Ć ć
    {0x010C, 0x010D},  // Č č
    {0x0112, 0x0113},  // Ē ē
    {0x0116, 0x0117},  // Ė ė
    {0x0118, 0x0119},  // Ę ę
    {0x0122, 0x0123},  // Ģ ģ
    {0x012A, 0x012B},  // Ī ī
    {0x012E, 0x012F},  // Į į
    {0x0136, 0x0137},  // Ķ ķ
    {0x013B, 0x013C},  // Ļ ļ
    {0x0141, 0x0142},  // Ł ł
    {0x0143, 0x0144},  // Ń ń
    {0x0145, 0x0146},  // Ņ ņ
    {0x014C, 0x014D},  // Ō ō
    {0x0156, 0x0157},  // Ŗ ŗ
    {0x015A, 0x015B},  // Ś ś
    {0x0160, 0x0161},  // Š š
    {0x016A, 0x016B},  // Ū ū
    {0x0172, 0x0173},  // Ų ų
    {0x0179, 0x017A},  // Ź ź
    {0x017B, 0x017C},  // Ż ż
    {0x017D, 0x017E},  // Ž ž
}};

char32_t toUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // Latin-1 à..þ, not ÷
    for (const auto& [upper, lower] : kBalticLetters) {
        if (c == lower) return upper;
    }
    return c;
}

char32_t toLower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1 À..Þ, not ×
    for (const auto& [upper, lower] : kBalticLetters) {
        if (c == upper) return lower;
    }
    return c;
}

template <typename Map>
std::string mapLetters(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const Utf8Char c = decodeUtf8At(s, pos);
        if (c.valid) {
            appendUtf8(out, map(c.codePoint));
        } else {
            out += s[pos];
        }
        pos += c.length;
    }
    return out;
}

}  // namespace

int Len(std::string_view s) {
    int count = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += charLengthAt(s, pos))
        ++count;
    return count;
}

std::string Left(std::string_view s, int n) {
    requireNonNegative(n);
    return std::string(s.substr(0, skipChars(s, 0, n)));
}

std::string Right(std::string_view s, int n) {
    requireNonNegative(n);
    const int length = Len(s);
    if (n >= length) return std::string(s);
    return std::string(s.substr(skipChars(s, 0, length - n)));
}

std::string Mid(std::string_view s, int start, int length) {
    requirePositiveStart(start);
    requireNonNegative(length);
    const std::size_t begin = skipChars(s, 0, start - 1);
    const std::size_t end = skipChars(s, begin, length);
    return std::string(s.substr(begin, end - begin));
}

std::string Mid(std::string_view s, int start) {
    requirePositiveStart(start);
    return std::string(s.substr(skipChars(s, 0, start - 1)));
}

std::string Space(int n) {
    requireNonNegative(n);
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string LTrim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string Trim(std::string_view s) {
    return LTrim(RTrim(s));
}

int InStr(int start, std::string_view s, std::string_view find) {
    requirePositiveStart(start);
    if (s.empty()) return 0;
    std::size_t pos = skipChars(s, 0, start - 1);
    const int length = Len(s);
    if (start > length + (find.empty() ? 1 : 0)) return 0;
    for (int index = start; pos < s.size(); ++index) {
        if (s.substr(pos).starts_with(find)) return index;
        pos += decodeUtf8At(s, pos).length;
    }
    return find.empty() ? start : 0;
}

int InStr(std::string_view s, std::string_view find) {
    return InStr(1, s, find);
}

std::string UCase(std::string_view s) {
    return mapLetters(s, toUpper);
}

std::string LCase(std::string_view s) {
    return mapLetters(s, toLower);
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(s);
    std::string out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (s.substr(pos).starts_with(find)) {
            out += with;
            pos += find.size();
        } else {
            // Step whole characters so that a match can only begin where a character begins.
            const std::size_t step = decodeUtf8At(s, pos).length;
            out += s.substr(pos, step);
            pos += step;
        }
    }
    return out;
}

std::string PadRight(std::string_view s, int width) {
    requireNonNegative(width);
    std::string out = Left(s, width);
    const int length = Len(out);
    if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
    return out;
}

int StrCompText(std::string_view a, std::string_view b) {
    std::size_t pa = 0;
    std::size_t pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const Utf8Char ca = decodeUtf8At(a, pa);
        const Utf8Char cb = decodeUtf8At(b, pb);
        const char32_t la = ca.valid ? toLower(ca.codePoint) : ca.codePoint;
        const char32_t lb = cb.valid ? toLower(cb.codePoint) : cb.codePoint;
        if (la != lb) return la < lb ? -1 : 1;
        pa += ca.length;
        pb += cb.length;
    }
    if (pa < a.size()) return 1;
    if (pb < b.size()) return -1;
    return 0;
}

}  // namespace lumbrix
