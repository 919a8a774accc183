#include "platform/codec.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace lumbrix {
namespace {

std::string hex(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += {digits[b >> 4], digits[b & 15], ' '};
    }
    return out;
}

TEST(Codec, Windows1257LettersRoundTrip) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xF5\xE4\xF6\xFC\xF0\xFE", "õäöüšž"}, {"\xD5\xC4\xD6\xDC\xD0\xDE", "ÕÄÖÜŠŽ"},
        {"\x80\xA8\xB8\xE8\xFB", "€Øøčū"},      {"\x8E\x96\x84\xA0", "ˇ–„\u00A0"},
        {"\x81\xA5", "\u0081\u00A5"},  // undefined bytes stand for the C1 control / Latin-1 sign
    };
    for (const auto& [bytes, utf8] : cases) {
        SCOPED_TRACE(utf8);
        EXPECT_EQ(decodeWindows1257(bytes), utf8);
        EXPECT_EQ(hex(encodeWindows1257(utf8)), hex(bytes));
    }
}

TEST(Codec, EveryByteStringRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string text = decodeWindows1257(all);
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_EQ(hex(encodeWindows1257(text)), hex(all));
}

TEST(Codec, MissingCharactersBecomeQuestionMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"õun ñ", "\xF5un ?"},
        {"a\xF0\x9F\x98\x80"
         "b",
         "a?b"},
        {"\u0080", "?"},    // a C1 control that is not an undefined byte of the code page
        {"x\xFFy", "x?y"},  // a stray byte in the UTF-8 text
        {"\xC3", "?"},      // a cut-off sequence
    };
    for (const auto& [utf8, bytes] : cases) {
        SCOPED_TRACE(hex(utf8));
        EXPECT_EQ(encodeWindows1257(utf8), bytes);
    }
}

TEST(Codec, ValidUtf8) {
    const std::pair<std::string, bool> cases[] = {
        {"õäöüšž €\xF0\x9F\x98\x80", true},
        {"\xF5", false},              // Windows-1257 õ
        {"\xC0\x80", false},          // overlong NUL
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xE2\x82", false},          // cut off
    };
    for (const auto& [bytes, valid] : cases) {
        SCOPED_TRACE(hex(bytes));
        EXPECT_EQ(isValidUtf8(bytes), valid);
    }
}

TEST(Codec, FileTextIsUtf8OrWindows1257) {
    const std::pair<std::string, std::string> cases[] = {
        {"õun=šž", "õun=šž"},
        {"\xEF\xBB\xBFõun", "õun"},  // the byte order mark goes
        {"\xF5un=\xF0\xFE", "õun=šž"},
        {"õ\xF5", "Ćµõ"},  // one byte that is not UTF-8 makes the whole file Windows-1257
    };
    for (const auto& [bytes, text] : cases) {
        SCOPED_TRACE(hex(bytes));
        EXPECT_EQ(decodeFileText(bytes), text);
    }
}

TEST(Codec, FileBytesComeBackInTheEncodingTheyWereReadIn) {
    using E = TextEncoding;
    const struct {
        std::string bytes;
        E encoding;
        std::string added;    // appended to the text before it is written again
        std::string written;  // the bytes written
    } cases[] = {
        {"plain", E::Undecided, "", "plain"},
        {"plain", E::Undecided, " õ", "plain \xf5"},
        {"plain", E::Undecided, " 日", "plain 日"},
        {"\xf5un", E::Windows1257, "", "\xf5un"},
        {"\xf5un", E::Windows1257, " Профиль", "õun Профиль"},  // never "?"
        {"õun", E::Utf8, " š", "õun š"},
        {"\xEF\xBB\xBFõun", E::Utf8, "", "\xEF\xBB\xBFõun"},
        // "Õ–" is D5 96 in the code page, which is "Ֆ" as UTF-8: written in UTF-8 instead.
        {"plain", E::Undecided, " Õ–", "plain Õ–"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes + c.added);
        const DecodedText read = decodeFileTextKeepingEncoding(c.bytes);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_EQ(encodeFileText(read.text + c.added, read.encoding, read.byteOrderMark),
                  c.written);
    }
    // Whatever is written reads back as the same text.
    for (const std::string text : {"Õ–", "plain Õ–", "õun Õ–", "Õ– x ä", "Â©", "ÄÖ", "õun"}) {
        SCOPED_TRACE(text);
        for (const E readIn : {E::Undecided, E::Windows1257}) {
            EXPECT_EQ(decodeFileText(encodeFileText(text, readIn)), text);
        }
    }
    EXPECT_TRUE(looksLikeText("a\tb\r\nc\f\x1a õ"));
    EXPECT_FALSE(looksLikeText(std::string("a\0b", 3)));
    EXPECT_FALSE(looksLikeText("a\x01b"));
}

}  // namespace
}  // namespace lumbrix
