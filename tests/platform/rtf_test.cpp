#include "platform/rtf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {
namespace {

constexpr CharFormat kPlain{};
constexpr CharFormat kBold{true, false, false};
constexpr CharFormat kItalic{false, true, false};
constexpr CharFormat kUnderline{false, false, true};
constexpr CharFormat kAll{true, true, true};

// The styles as three letters per character ("b..", ".i.", "biu"), so a mismatch shows where.
std::string styleMap(const std::vector<CharFormat>& formats) {
    std::string out;
    for (const CharFormat& f : formats) {
        out += f.bold ? 'b' : '.';
        out += f.italic ? 'i' : '.';
        out += f.underline ? 'u' : '.';
        out += ' ';
    }
    return out;
}

TEST(RtfReader, TextOfDocuments) {
    struct Case {
        const char* rtf;
        const char* text;
    };
    const Case cases[] = {
        {R"({\rtf1 a\par b})", "a\r\nb"},
        {R"({\rtf1 a\line b\par})", "a\r\nb"},
        {R"({\rtf1 a\par\par})", "a\r\n"},
        {R"({\rtf1 a\par b\line})", "a\r\nb\r\n"},
        {R"({\rtf1 a\tab b})", "a\tb"},
        {"{\\rtf1 a\r\nb\nc}", "abc"},
        {"{\\rtf1 a\\\r\nb}", "a\r\nb"},
        {R"({\rtf1 a\\b\{c\}d})", "a\\b{c}d"},
        {R"({\rtf1 \'f5\'f0})", "õš"},
        {R"({\rtf1\ansi\ansicpg1257 \'f5\'f0\'fe})", "õšž"},
        {R"({\rtf1\ansi\ansicpg1252 \'f5\'9a\'9e\'80})", "õšž€"},
        {R"({\rtf1\ansi\ansicpg1250 \'f0})", "š"},
        {R"({\rtf1\uc1 \u353? x})", "š x"},
        {R"({\rtf1\uc2 \u353\'9a\'9ax})", "šx"},
        {R"({\rtf1\uc0 \u1046 x})", "Жx"},
        {R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}{\stylesheet{Normal;}})"
         R"({\info{\title T}}{\*\unknown x{y}}text})",
         "text"},
        {R"({\rtf1 {\field{\*\fldinst{HYPERLINK "u"}}{\fldrslt shown}}})", "shown"},
        {R"({\rtf1 a\emdash b\~c})", "a—b\u00A0c"},
        {R"({\rtf1 kept} ignored)", "kept"},
        {R"({\rtf1 unclosed)", "unclosed"},
        {R"({\rtf1})", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        const RichText doc = readRtf(c.rtf);
        EXPECT_EQ(doc.text, c.text);
        EXPECT_EQ(doc.formats.size(), static_cast<std::size_t>(Len(doc.text)));
    }
}

TEST(RtfReader, StylesFollowControlWordsAndGroups) {
    struct Case {
        const char* rtf;
        const char* text;
        std::vector<CharFormat> formats;
    };
    const Case cases[] = {
        {R"({\rtf1 a\b b\b0 c})", "abc", {kPlain, kBold, kPlain}},
        {R"({\rtf1 \i a\i0\ul b\ul0 c\ulnone d})", "abcd", {kItalic, kUnderline, kPlain, kPlain}},
        {R"({\rtf1 \ul a\ulnone b\ulw c\uldb d\ulnone})",
         "abcd",
         {kUnderline, kPlain, kUnderline, kUnderline}},
        {R"({\rtf1 \b\i\ul a\plain b})", "ab", {kAll, kPlain}},
        {R"({\rtf1 a{\b b{\i c}d}e})",
         "abcde",
         {kPlain, kBold, CharFormat{true, true, false}, kBold, kPlain}},
        {R"({\rtf1 \b1 a\b0 b})", "ab", {kBold, kPlain}},
        {R"({\rtf1 \b a\par b})", "a\r\nb", {kBold, kBold, kBold, kBold}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        const RichText doc = readRtf(c.rtf);
        EXPECT_EQ(doc.text, c.text);
        EXPECT_EQ(styleMap(doc.formats), styleMap(c.formats));
    }
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    const char* inputs[] = {
        "", "plain notes", " {\\rtf1 a}", "{\\rt", "\xEF\xBB\xBF{\\rtf1 a}", "PK\x03\x04"};
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        try {
            readRtf(input);
            ADD_FAILURE() << "accepted";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), vberr::kInvalidFileFormat);
            EXPECT_NE(e.description().find("not an RTF document"), std::string::npos);
        }
    }
}

TEST(RtfWriter, WritesASmallBalticDocument) {
    RichText doc;
    doc.text = "Õ b Ж";
    doc.formats = {kPlain, kPlain, kBold, kPlain, kPlain};
    const std::string rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.starts_with(R"({\rtf1\ansi\ansicpg1257\deff0{\fonttbl{\f0)")) << rtf;
    EXPECT_TRUE(rtf.ends_with("\\par\r\n}\r\n")) << rtf;
    EXPECT_NE(rtf.find(R"(\'d5 \b b\b0  \u1046?)"), std::string::npos) << rtf;
    for (char c : rtf) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "the document is plain ASCII";
    }
}

TEST(RtfWriter, EscapesAndBreaks) {
    struct Case {
        const char* text;
        const char* body;  // what the text becomes in the document
    };
    const Case cases[] = {
        {"a{b}c\\d", R"(a\{b\}c\\d)"},
        {"a\r\nb", "a\\par\r\nb"},
        {"a\nb", "a\\par\r\nb"},
        {"a\tb", "a\\tab b"},
        {"õäöüšž", R"(\'f5\'e4\'f6\'fc\'f0\'fe)"},
        {"ÕÄÖÜŠŽ", R"(\'d5\'c4\'d6\'dc\'d0\'de)"},
        {"\U0001F600", R"(\u-10179?\u-8704?)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string rtf = writeRtf(RichText{c.text, {}});
        EXPECT_NE(rtf.find(std::string("\\fs20 ") + c.body + "\\par\r\n}"), std::string::npos)
            << rtf;
    }
}

TEST(RtfWriter, ReadsBackWhatItWrote) {
    struct Case {
        std::string text;
        std::vector<CharFormat> formats;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {kBold}},
        {"õäöüšž", {kBold, kBold, kItalic, kUnderline, kAll, kPlain}},
        {"{\\}", {kPlain, kBold, kPlain}},
        {"a\r\nb", {kItalic, kItalic, kItalic, kPlain}},
        {"ends\r\n", {kPlain, kPlain, kPlain, kPlain, kUnderline, kUnderline}},
        {"\r\n\r\n", {kPlain, kPlain, kBold, kBold}},
        {"x\ty Ж €\U0001F600", {kPlain, kPlain, kBold, kBold, kBold, kPlain, kItalic, kAll}},
        {"1 -\\b0 b", {kPlain, kBold, kBold, kBold, kBold, kBold, kPlain, kPlain}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const RichText back = readRtf(writeRtf(RichText{c.text, c.formats}));
        EXPECT_EQ(back.text, c.text);
        EXPECT_EQ(styleMap(back.formats), styleMap(c.formats));
    }
}

}  // namespace
}  // namespace lumbrix
