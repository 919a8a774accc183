#include "platform/text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/codec.h"
#include "platform/vb_error.h"

namespace lumbrix {
namespace {

TEST(TextColumns, HelpersCountCharactersNotBytes) {
    const std::string apple = "õunapuu";  // õ is two bytes
    const std::string baltic = "šžõäöü";
    const std::string stray = "a\xFF\xC3õ";  // two stray bytes count as one character each
    struct Case {
        const char* what;
        std::function<std::string()> call;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Left 1", [&] { return Left(apple, 1); }, "õ"},
        {"Left beyond end", [&] { return Left(apple, 50); }, "õunapuu"},
        {"Right 2", [&] { return Right(baltic, 2); }, "öü"},
        {"Right all", [&] { return Right(apple, 7); }, "õunapuu"},
        {"Mid inside", [&] { return Mid(baltic, 2, 3); }, "žõä"},
        {"Mid past end cut", [&] { return Mid(baltic, 5, 10); }, "öü"},
        {"Mid start beyond end", [&] { return Mid(baltic, 7, 1); }, ""},
        {"Mid to end", [&] { return Mid(apple, 4); }, "apuu"},
        {"Mid of stray bytes", [&] { return Mid(stray, 2, 2); }, "\xFF\xC3"},
        {"Right after stray bytes", [&] { return Right(stray, 1); }, "õ"},
        {"PadRight pads", [&] { return PadRight("õun", 5); }, "õun  "},
        {"PadRight cuts", [&] { return PadRight(apple, 3); }, "õun"},
        {"Space", [] { return Space(3); }, "   "},
        {"Trim", [] { return Trim("  õun  "); }, "õun"},
        {"LTrim", [] { return LTrim("  õun  "); }, "õun  "},
        {"RTrim", [] { return RTrim("  õun  "); }, "  õun"},
        {"Trim leaves tabs", [] { return Trim("\tõun\t "); }, "\tõun\t"},
        {"Replace", [] { return Replace("12,5", ",", "."); }, "12.5"},
        {"Replace without overlap", [] { return Replace("õõõ", "õõ", "o"); }, "oõ"},
        {"Replace case-sensitive", [] { return Replace("Abc", "a", "x"); }, "Abc"},
        {"Replace nothing", [] { return Replace("abc", "", "x"); }, "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), c.expected);
    }
    for (const auto& [text, length] : std::vector<std::pair<std::string, int>>{
             {"", 0}, {"õäöüšž", 6}, {"€100", 4}, {"a\xF0\x9F\x98\x80", 2}, {stray, 4}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Len(text), length);
    }
}

TEST(TextColumns, RefusedArgumentsRaiseError5) {
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"Left -1", [] { Left("abc", -1); }},
        {"Mid start 0", [] { Mid("abc", 0, 1); }},
        {"Mid length -1", [] { Mid("abc", 1, -1); }},
        {"InStr start 0", [] { InStr(0, "abc", "a"); }},
        {"PadRight -1", [] { PadRight("abc", -1); }},
    };
    for (const auto& [what, call] : calls) {
        SCOPED_TRACE(what);
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), vberr::kInvalidProcedureCall);
        }
    }
}

TEST(TextColumns, InStrGivesCharacterPositions) {
    struct Case {
        int start;
        std::string text, find;
        int expected;
    };
    // Case-sensitive; an empty text to find is found at the start, up to just behind the end of
    // a text that is not empty.
    const std::vector<Case> cases = {{1, "õunapuu", "puu", 5}, {3, "õunapuu", "u", 6},
                                     {1, "šžõäöü", "ö", 5},    {1, "õunapuu", "Puu", 0},
                                     {8, "õunapuu", "u", 0},   {1, "", "", 0},
                                     {4, "abc", "", 4},        {5, "abc", "", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.find + " from " + std::to_string(c.start));
        EXPECT_EQ(InStr(c.start, c.text, c.find), c.expected);
    }
}

// Windows-1257 places the capital and small form of each letter 0x20 apart (0xC0..0xDE and
// 0xE0..0xFE, plus Ø, Ŗ and Æ below). Every such pair must map both ways.
TEST(TextColumns, CaseCoversEveryLetterOfTheBalticCodePage) {
    std::vector<int> capitals = {0xA8, 0xAA, 0xAF};
    for (int byte = 0xC0; byte <= 0xDE; ++byte) {
        if (byte != 0xD7) capitals.push_back(byte);
    }
    for (const int capitalByte : capitals) {
        const int smallByte = capitalByte + (capitalByte < 0xC0 ? 0x10 : 0x20);
        const std::string capital =
            decodeWindows1257(std::string(1, static_cast<char>(capitalByte)));
        const std::string small = decodeWindows1257(std::string(1, static_cast<char>(smallByte)));
        SCOPED_TRACE(capital + " " + small);
        EXPECT_EQ(UCase(small), capital);
        EXPECT_EQ(LCase(capital), small);
        EXPECT_EQ(StrCompText(capital, small), 0);
    }
    EXPECT_EQ(UCase("a1 ×÷ß-\xFF"), "A1 ×÷ß-\xFF");  // signs, ß and stray bytes stay
}

TEST(TextColumns, StrCompTextIgnoresCase) {
    struct Case {
        std::string a, b;
        int sign;
    };
    const std::vector<Case> cases = {
        {"Õun", "õUN", 0}, {"ABD", "abc", 1}, {"ab", "abc", -1},
        {"", "a", -1},     {"b", "A", 1},  // case-insensitive, not by byte value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a + " vs " + c.b);
        const auto sign = [](int r) { return (r > 0) - (r < 0); };
        EXPECT_EQ(sign(StrCompText(c.a, c.b)), c.sign);
        EXPECT_EQ(sign(StrCompText(c.b, c.a)), -c.sign);
    }
}

}  // namespace
}  // namespace lumbrix
