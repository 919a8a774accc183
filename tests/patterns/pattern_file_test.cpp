// The pattern file's bytes: values kept whole through quotes, the encoding of a new file,
// and the reader's round trip over seeds and random inputs.
#include <gtest/gtest.h>

#include <random>

#include "pattern_file_fuzz_target.h"
#include "patterns/pattern_file.h"

namespace lumbrix {
namespace {

TEST(PatternFileBytes, EveryValueReadsBackAsItWasWritten) {
    const struct {
        const char* value;
        const char* line;
        const char* readBack;
    } cases[] = {
        {"50.000x150.00  52.000x156.00   4800     0.039     247.8",
         "syda0=50.000x150.00  52.000x156.00   4800     0.039     247.8", nullptr},
        {"    50x   150      52x   156   4800", "syda0=\"    50x   150      52x   156   4800\"",
         nullptr},  // leading blanks would shift every column of the row
        {"row ", "syda0=\"row \"", nullptr},
        {"'quoted'", "syda0=\"'quoted'\"", nullptr},
        {"\"quoted\"", "syda0=\"\"quoted\"\"", nullptr},
        {"one\ntwo", "syda0=one two", "one two"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        PatternFile p;
        p.syda = {c.value};
        const std::string bytes = patternFileBytes(p);
        EXPECT_NE(bytes.find(std::string("\r\n") + c.line + "\r\n"), std::string::npos) << bytes;
        const PatternRead read = parsePatternFile(bytes);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.pattern.syda, std::vector<std::string>{c.readBack ? c.readBack : c.value});
    }
}

TEST(PatternFileBytes, ANewFileIsBalticWhenEveryCharacterFitsElseUtf8) {
    const struct {
        const char* author;
        const char* stored;
    } cases[] = {{"Õie Šmidt-Žukova", "Koostaja=\xD5ie \xD0midt-\xDEukova\r\n"},
                 {"Профиль", "Koostaja=Профиль\r\n"},
                 // In Windows-1257 these two would be the UTF-8 bytes of another letter.
                 {"Ä€", "Koostaja=Ä€\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.author);
        PatternFile p;
        p.Koostaja = c.author;
        const std::string bytes = patternFileBytes(p);
        EXPECT_TRUE(bytes.ends_with(c.stored)) << bytes;
        EXPECT_EQ(parsePatternFile(bytes).pattern.Koostaja, c.author);
    }
}

TEST(PatternFileRead, ListsTheKeysOfItsRowsAndTheLogKeysItLacks) {
    const struct {
        const char* file;
        std::vector<std::string> rowKeys;
        std::vector<std::string> missing;
    } cases[] = {
        {"[Saekava]\r\nsyda1=AB\r\nsyda2=A\r\nall1=CD\r\nvasak0=EF\r\n[Palk]\r\n"
         "palgidiameeter=200\r\npalgimaht=\r\n",
         {"syda1", "vasak0", "all1"},
         {"palgikoone", "palgipikkus"}},
        {"[Palk]\r\nPALGIDIAMEETER=1\r\npalgikoone=2\r\npalgipikkus=3\r\npalgimaht=4\r\n", {}, {}},
        {"[Info]\r\n", {}, {"palgidiameeter", "palgikoone", "palgipikkus", "palgimaht"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const PatternRead read = parsePatternFile(c.file);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.rowKeys, c.rowKeys);
        EXPECT_EQ(read.missingKeys, c.missing);
    }
}

TEST(PatternFileFuzzTarget, SeedsAndRandomInputsKeepTheRoundTrip) {
    std::vector<std::string> seeds = {
        "[Saekava]\r\nsyda0=50.000x150.00  52.000x156.00   4800     0.039     247.8\r\n"
        "[Palk]\r\npalgidiameeter=200\r\n[Info]\r\nKoostaja=J\xFCri\r\n",
        std::string("[Info]\nKuupaev= '01.02.26' \n\0{\\rtf1 {\\b bold} \\i it\\i0\\par}", 50),
        std::string("[Info]\n\0{\\rtf1 a\\'0db\\'0a}", 26),
        std::string("[Saekava]\nsyda1=\"\" x \"\"\n\0{\\rtf1 a\\'f5\\u353?\\line b}", 46),
    };
    std::mt19937 random(20261207);
    const std::vector<std::string> sections = {"[Saekava]", "[Palk]", "[Info]", "[Tulem]"};
    const std::vector<std::string> pieces = {
        "[Saekava]", "[Palk]", "syda", "vasak", "yleval",   "Koostaja", "palgipikkus", "0",    "1",
        "7",         "8",      "=",    "\r\n",  "\n",       "\r",       " ",           "\t",   "\"",
        "'",         ";",      "õ",    "\xF5",  "\xC4\x80", "Ж",        "x",           "]",    "[",
        "\\",        "{",      "}",    "\\b ",  "\\par",    "\\'e4",    "\\u8364?",    "\\i0 "};
    const auto randomText = [&](int most) {
        std::string text;
        for (int i = static_cast<int>(random() % most); i > 0; --i)
            text += pieces[random() % pieces.size()];
        return text;
    };
    for (int n = 0; n < 5000; ++n) {
        std::string input = sections[random() % sections.size()] + "\r\n" + randomText(40);
        if (random() % 2) input += std::string(1, '\0') + "{\\rtf1 " + randomText(20);
        seeds.push_back(std::move(input));
    }
    int patterns = 0;
    for (const std::string& input : seeds) {
        patterns += parsePatternFile(input.substr(0, input.find('\0'))).ok ? 1 : 0;
        const std::string violation = test::patternRoundTripViolation(input);
        EXPECT_EQ(violation, "") << "input: " << ::testing::PrintToString(input);
        if (!violation.empty()) break;
    }
    EXPECT_GT(patterns, 4000) << "most inputs are patterns, so the round trip is tried";
}

}  // namespace
}  // namespace lumbrix
