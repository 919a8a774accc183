#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/codec.h"
#include "platform/vb_error.h"

namespace lumbrix {
namespace {

struct CutCase {
    const char* what;
    std::function<std::string()> call;
    std::string expected;
};

TEST(TextColumns, CutByCharactersNotBytes) {
    const std::string apple = "õunapuu";  // õ is two bytes
    const std::string baltic = "šžõäöü";
    const std::vector<CutCase> cases = {
        {"Left 1", [&] { return Left(apple, 1); }, "õ"},
        {"Left 3", [&] { return Left(apple, 3); }, "õun"},
        {"Left 0", [&] { return Left(apple, 0); }, ""},
        {"Left beyond end", [&] { return Left(apple, 50); }, "õunapuu"},
        {"Right 3", [&] { return Right(apple, 3); }, "puu"},
        {"Right 7", [&] { return Right(apple, 7); }, "õunapuu"},
        {"Right beyond end", [&] { return Right(apple, 8); }, "õunapuu"},
        {"Right 0", [&] { return Right(apple, 0); }, ""},
        {"Right 2 Baltic", [&] { return Right(baltic, 2); }, "öü"},
        {"Mid from 1", [&] { return Mid(apple, 1, 2); }, "õu"},
        {"Mid inside", [&] { return Mid(baltic, 2, 3); }, "žõä"},
        {"Mid past end cut", [&] { return Mid(baltic, 5, 10); }, "öü"},
        {"Mid start at last", [&] { return Mid(baltic, 6, 1); }, "ü"},
        {"Mid start beyond end", [&] { return Mid(baltic, 7, 1); }, ""},
        {"Mid far beyond end", [&] { return Mid(baltic, 100); }, ""},
        {"Mid length 0", [&] { return Mid(baltic, 2, 0); }, ""},
        {"Mid to end", [&] { return Mid(apple, 4); }, "apuu"},
        {"Mid of empty", [&] { return Mid("", 1, 3); }, ""},
        {"Space", [] { return Space(3); }, "   "},
        {"Space 0", [] { return Space(0); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), c.expected);
    }
}

TEST(TextColumns, LenCountsCharacters) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0},
        {"abc", 3},
        {"õunapuu", 7},
        {"õäöüšž", 6},
        {"€100", 4},               // three-byte character
        {"a\xF0\x9F\x98\x80", 2},  // four-byte character
        {"a\xFF"
         "b",
         3},  // a stray byte counts as one character
    };
    for (const auto& [text, length] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Len(text), length);
    }
}

TEST(TextColumns, StrayBytesAreKeptWhenCutting) {
    const std::string text = "a\xFF\xC3õ";  // two stray bytes, then õ
    EXPECT_EQ(Len(text), 4);
    EXPECT_EQ(Mid(text, 2, 2), "\xFF\xC3");
    EXPECT_EQ(Right(text, 1), "õ");
    EXPECT_EQ(UCase(text), "A\xFF\xC3Õ");
}

TEST(TextColumns, RefusedArgumentsRaiseError5) {
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"Left -1", [] { Left("abc", -1); }},
        {"Right -1", [] { Right("abc", -1); }},
        {"Mid start 0", [] { Mid("abc", 0, 1); }},
        {"Mid start -1", [] { Mid("abc", -1); }},
        {"Mid length -1", [] { Mid("abc", 1, -1); }},
        {"Space -1", [] { Space(-1); }},
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

TEST(TextColumns, TrimRemovesSpacesOnly) {
    struct Case {
        std::string text, trim, left, right;
    };
    const std::vector<Case> cases = {
        {"  õun  ", "õun", "õun  ", "  õun"},
        {"\tõun\t", "\tõun\t", "\tõun\t", "\tõun\t"},
        {"   ", "", "", ""},
        {"", "", "", ""},
        {" a b ", "a b", "a b ", " a b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.text + "]");
        EXPECT_EQ(Trim(c.text), c.trim);
        EXPECT_EQ(LTrim(c.text), c.left);
        EXPECT_EQ(RTrim(c.text), c.right);
    }
}

TEST(TextColumns, InStrGivesCharacterPositions) {
    struct Case {
        int start;
        std::string text, find;
        int expected;
    };
    const std::vector<Case> cases = {
        {1, "õunapuu", "puu", 5}, {1, "õunapuu", "u", 2},
        {3, "õunapuu", "u", 6},   {1, "šžõäöü", "ö", 5},
        {1, "õunapuu", "x", 0},   {1, "õunapuu", "Puu", 0},  // case-sensitive
        {8, "õunapuu", "u", 0},                              // start beyond the end
        {1, "", "a", 0},          {1, "", "", 0},
        {3, "abc", "", 3},        {4, "abc", "", 4},  // just behind the end
        {5, "abc", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.find + " from " + std::to_string(c.start));
        EXPECT_EQ(InStr(c.start, c.text, c.find), c.expected);
    }
    EXPECT_EQ(InStr("õunapuu", "apuu"), 4);
}

TEST(TextColumns, CaseOfEstonianAndBalticLetters) {
    EXPECT_EQ(UCase("õunapuu šžäöü"), "ÕUNAPUU ŠŽÄÖÜ");
    EXPECT_EQ(LCase("ÕUNAPUU ŠŽÄÖÜ"), "õunapuu šžäöü");
    EXPECT_EQ(UCase("a1 ×÷ß-"), "A1 ×÷ß-");  // signs and ß have no capital here
    EXPECT_EQ(LCase("Z1 ×÷ß-"), "z1 ×÷ß-");
}

// Windows-1257 places the capital and small form of each letter 0x20 apart (0xC0..0xDE and
// 0xE0..0xFE, plus Ø, Ŗ and Æ below). Every such pair must map both ways.
TEST(TextColumns, CaseCoversEveryLetterOfTheBalticCodePage) {
    std::vector<int> capitals = {0xA8, 0xAA, 0xAF};
    for (int byte = 0xC0; byte <= 0xDE; ++byte) {
        if (byte != 0xD7) capitals.push_back(byte);
    }
    for (std::size_t i = 0; i < capitals.size(); ++i) {
        const int capitalByte = capitals[i];
        const int smallByte = capitalByte + (capitalByte < 0xC0 ? 0x10 : 0x20);
        const std::string capital =
            decodeWindows1257(std::string(1, static_cast<char>(capitalByte)));
        const std::string small = decodeWindows1257(std::string(1, static_cast<char>(smallByte)));
        SCOPED_TRACE(capital + " " + small);
        EXPECT_EQ(UCase(small), capital);
        EXPECT_EQ(LCase(capital), small);
        EXPECT_EQ(StrCompText(capital, small), 0);
    }
}

TEST(TextColumns, Replace) {
    struct Case {
        std::string text, find, with, expected;
    };
    const std::vector<Case> cases = {
        {"12,5", ",", ".", "12.5"}, {"õõõ", "õ", "o", "ooo"},
        {"aaa", "aa", "b", "ba"},  // left to right, no overlap
        {"abc", "", "x", "abc"},    {"abc", "b", "", "ac"},
        {"Abc", "a", "x", "Abc"},  // case-sensitive
        {"", "a", "b", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " " + c.find + " -> " + c.with);
        EXPECT_EQ(Replace(c.text, c.find, c.with), c.expected);
    }
}

TEST(TextColumns, PadRightGivesExactWidth) {
    struct Case {
        std::string text;
        int width;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"õun", 5, "õun  "}, {"õunapuu", 3, "õun"}, {"šžõ", 3, "šžõ"},
        {"", 2, "  "},       {"abc", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " to " + std::to_string(c.width));
        const std::string padded = PadRight(c.text, c.width);
        EXPECT_EQ(padded, c.expected);
        EXPECT_EQ(Len(padded), c.width);
    }
}

TEST(TextColumns, StrCompTextIgnoresCase) {
    struct Case {
        std::string a, b;
        int sign;
    };
    const std::vector<Case> cases = {
        {"abc", "ABC", 0},  {"Õun", "õUN", 0}, {"šŽ", "ŠŽ", 0}, {"abc", "abd", -1},
        {"ABD", "abc", 1},  {"ab", "abc", -1}, {"", "a", -1},   {"", "", 0},
        {"050", "100", -1}, {"b", "A", 1},  // case-insensitive, not by byte value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a + " vs " + c.b);
        const int result = StrCompText(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign);
        EXPECT_EQ((StrCompText(c.b, c.a) > 0) - (StrCompText(c.b, c.a) < 0), -c.sign);
    }

    std::vector<std::string> rows = {"beta", "Alfa", "gamma", "ALFA2", "Beta1"};
    std::stable_sort(rows.begin(), rows.end(), [](const std::string& a, const std::string& b) {
        return StrCompText(a, b) < 0;
    });
    EXPECT_EQ(rows, (std::vector<std::string>{"Alfa", "ALFA2", "beta", "Beta1", "gamma"}));
}

}  // namespace
}  // namespace lumbrix
