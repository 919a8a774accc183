#include "platform/codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lumbrix {
namespace {

std::string byteString(std::initializer_list<int> bytes) {
    std::string s;
    for (const int b : bytes)
        s += static_cast<char>(b);
    return s;
}

std::string hex(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

TEST(Codec, Windows1257Letters) {
    struct Case {
        int byte;
        const char* utf8;
    };
    const std::vector<Case> cases = {
        {0xF5, "õ"}, {0xE4, "ä"}, {0xF6, "ö"}, {0xFC, "ü"}, {0xF0, "š"},      {0xFE, "ž"},
        {0xD5, "Õ"}, {0xC4, "Ä"}, {0xD6, "Ö"}, {0xDC, "Ü"}, {0xD0, "Š"},      {0xDE, "Ž"},
        {0x80, "€"}, {0xA8, "Ø"}, {0xB8, "ø"}, {0xAA, "Ŗ"}, {0xBF, "æ"},      {0xC0, "Ą"},
        {0xE8, "č"}, {0xEB, "ė"}, {0xF8, "ų"}, {0xFB, "ū"}, {0xDF, "ß"},      {0xD7, "×"},
        {0xFF, "˙"}, {0x8E, "ˇ"}, {0x96, "–"}, {0x84, "„"}, {0x93, "\u201C"}, {0xA0, "\u00A0"},
        {0x41, "A"}, {0x00, ""},  // "" stands for the NUL character
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        const std::string utf8 = c.byte == 0 ? std::string(1, '\0') : std::string(c.utf8);
        SCOPED_TRACE(hex(byte));
        EXPECT_EQ(decodeWindows1257(byte), utf8);
        EXPECT_EQ(encodeWindows1257(utf8), byte);
    }
}

TEST(Codec, UndefinedBytesBecomeC1Controls) {
    for (const int b : {0x81, 0x83, 0x88, 0x8A, 0x8C, 0x90, 0x98, 0x9A, 0x9C, 0x9F, 0xA1, 0xA5}) {
        SCOPED_TRACE(b);
        std::string expected;
        appendUtf8(expected, static_cast<char32_t>(b));
        EXPECT_EQ(decodeWindows1257(std::string(1, static_cast<char>(b))), expected);
    }
}

TEST(Codec, EveryByteStringRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string text = decodeWindows1257(all);
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_EQ(hex(encodeWindows1257(text)), hex(all));

    // No two bytes decode to the same character.
    std::vector<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string c = decodeWindows1257(std::string(1, static_cast<char>(b)));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0) << "byte " << b;
        seen.push_back(c);
    }
}

TEST(Codec, MissingCharactersBecomeQuestionMarks) {
    struct Case {
        std::string utf8, bytes;
    };
    const std::vector<Case> cases = {
        {"õun ñ", byteString({0xF5, 'u', 'n', ' ', '?'})},
        {"日本", "??"},
        {"a\xF0\x9F\x98\x80"
         "b",
         "a?b"},
        {"\u0080", "?"},    // a C1 control that is not an undefined byte of the code page
        {"x\xFFy", "x?y"},  // a stray byte in the UTF-8 text
        {"\xC3", "?"},      // a cut-off sequence
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(hex(c.utf8));
        EXPECT_EQ(encodeWindows1257(c.utf8), c.bytes);
    }
}

TEST(Codec, ValidUtf8) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"", true},
        {"plain ASCII", true},
        {"õäöüšž €", true},
        {byteString({0xF0, 0x9F, 0x98, 0x80}), true},
        {byteString({0xF5}), false},                    // Windows-1257 õ
        {byteString({0xC0, 0x80}), false},              // overlong NUL
        {byteString({0xE0, 0x80, 0xAF}), false},        // overlong "/"
        {byteString({0xED, 0xA0, 0x80}), false},        // surrogate
        {byteString({0xF4, 0x90, 0x80, 0x80}), false},  // above U+10FFFF
        {byteString({0xE2, 0x82}), false},              // cut off
        {byteString({0x80}), false},                    // lone continuation
        {byteString({0xC3, 0x28}), false},              // continuation missing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(hex(c.bytes));
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid);
    }
}

TEST(Codec, FileTextIsUtf8OrWindows1257) {
    struct Case {
        const char* what;
        std::string bytes, text;
    };
    const std::vector<Case> cases = {
        {"ASCII", "[Palk]\r\n", "[Palk]\r\n"},
        {"UTF-8", "õun=šž", "õun=šž"},
        {"UTF-8 with BOM", "\xEF\xBB\xBFõun", "õun"},
        {"Windows-1257", byteString({0xF5, 'u', 'n', '=', 0xF0, 0xFE}), "õun=šž"},
        {"mostly UTF-8 with one 1257 byte", "õ" + byteString({0xF5}), "Ćµõ"},
        {"BOM only", "\xEF\xBB\xBF", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(decodeFileText(c.bytes), c.text);
    }
}

}  // namespace
}  // namespace lumbrix
