#include "platform/rtf.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
    for (const CharFormat& f : formats)
        out += {f.bold ? 'b' : '.', f.italic ? 'i' : '.', f.underline ? 'u' : '.', ' '};
    return out;
}

TEST(RtfReader, TextOfDocuments) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({\rtf1 a\par b\line})", "a\r\nb\r\n"},
        {R"({\rtf1 a\par\par})", "a\r\n"},  // the last paragraph mark ends no line
        {"{\\rtf1 a\\tab b\r\nc\\\r\nd}", "a\tbc\r\nd"},
        {R"({\rtf1 a\\b\{c\}d})", "a\\b{c}d"},
        {R"({\rtf1 \'f5\'f0})", "õš"},
        {R"({\rtf1\ansi\ansicpg1252 \'f5\'9a\'9e\'80})", "õšž€"},
        {R"({\rtf1\uc1 \u353? x})", "š x"},
        {R"({\rtf1\uc2 \u353\'9a\'9ax})", "šx"},
        {R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}{\stylesheet{Normal;}})"
         R"({\info{\title T}}{\*\unknown x{y}}text})",
         "text"},
        {R"({\rtf1 {\field{\*\fldinst{HYPERLINK "u"}}{\fldrslt shown}}})", "shown"},
        {R"({\rtf1 kept} ignored)", "kept"},
        {R"({\rtf1 unclosed)", "unclosed"},
    };
    for (const auto& [rtf, text] : cases) {
        SCOPED_TRACE(rtf);
        const RichText doc = readRtf(rtf);
        EXPECT_EQ(doc.text, text);
        EXPECT_EQ(doc.formats.size(), static_cast<std::size_t>(Len(doc.text)));
    }
}

TEST(RtfReader, StylesFollowControlWordsAndGroups) {
    const std::pair<const char*, std::vector<CharFormat>> cases[] = {
        {R"({\rtf1 \i a\i0\ul b\ul0 c\ulnone d})", {kItalic, kUnderline, kPlain, kPlain}},
        {R"({\rtf1 \ul a\ulnone b\uldb c})", {kUnderline, kPlain, kUnderline}},
        {R"({\rtf1 \b\i\ul a\plain b})", {kAll, kPlain}},
        {R"({\rtf1 a{\b b{\i c}d}e})",
         {kPlain, kBold, CharFormat{true, true, false}, kBold, kPlain}},
        {R"({\rtf1 \b1 a\b0 b})", {kBold, kPlain}},
    };
    for (const auto& [rtf, formats] : cases) {
        SCOPED_TRACE(rtf);
        EXPECT_EQ(styleMap(readRtf(rtf).formats), styleMap(formats));
    }
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    for (const char* input :
         {"", "plain notes", " {\\rtf1 a}", "{\\rt", "\xEF\xBB\xBF{\\rtf1 a}"}) {
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

TEST(RtfWriter, WritesPlainAsciiWithBalticCodePage) {
    const std::string rtf = writeRtf(RichText{"Õ b Ж{\\}\r\n\t", {kPlain, kPlain, kBold}});
    EXPECT_TRUE(rtf.starts_with(R"({\rtf1\ansi\ansicpg1257\deff0{\fonttbl{\f0)")) << rtf;
    EXPECT_NE(rtf.find("\\fs20 \\'d5 \\b b\\b0  \\u1046?\\{\\\\\\}\\par\r\n\\tab \\par\r\n}\r\n"),
              std::string::npos)
        << rtf;
    for (char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "the document is plain ASCII";
}

TEST(RtfWriter, ReadsBackWhatItWrote) {
    const std::pair<std::string, std::vector<CharFormat>> cases[] = {
        {"õäöüšž", {kBold, kBold, kItalic, kUnderline, kAll, kPlain}},
        {"ÕÄÖÜŠŽ", {kPlain, kPlain, kPlain, kPlain, kPlain, kPlain}},
        {"ends\r\n", {kPlain, kPlain, kPlain, kPlain, kUnderline, kUnderline}},
        {"\r\n\r\n", {kPlain, kPlain, kBold, kBold}},
        {"x\ty Ж €\U0001F600", {kPlain, kPlain, kBold, kBold, kBold, kPlain, kItalic, kAll}},
        {"1 -\\b0 b", {kPlain, kBold, kBold, kBold, kBold, kBold, kPlain, kPlain}},
    };
    for (const auto& [text, formats] : cases) {
        SCOPED_TRACE(text);
        const RichText back = readRtf(writeRtf(RichText{text, formats}));
        EXPECT_EQ(back.text, text);
        EXPECT_EQ(styleMap(back.formats), styleMap(formats));
    }
}

}  // namespace
}  // namespace lumbrix
