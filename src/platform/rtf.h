#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

// The character styles a rich-text box keeps for each character.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharFormat&) const = default;
};

// Text with one format per character (per Unicode code point of the UTF-8 text; a byte that
// is not well-formed UTF-8 counts as one character, as the text helpers count it).
// Paragraph breaks are "\r\n" in the text.
struct RichText {
    std::string text;
    std::vector<CharFormat> formats;
};

// A small RTF document for `doc`: Windows-1257 as its code page, one font, bold, italic and
// underline switched where they change, "\par" for each line break ("\r\n", "\r" or "\n")
// and "\tab" for tabs. A character that the code page has is written as \'hh, any other as
// \uN? (UTF-16 units). The document always ends its last paragraph with "\par", as the
// rich-text control writes it; readRtf drops that closing mark again.
std::string writeRtf(const RichText& doc);

// The text and character formats of an RTF document as rich-text controls write it.
// Destination groups (font, colour and style tables, document info, pictures and every
// "{\*\...}" group) are skipped; \par and \line become "\r\n", \tab a tab; \b \i \ul (with
// their 0 forms, \ulnone and \plain) set the styles; \'hh is decoded in the document's
// \ansicpg when that is 1252, else in Windows-1257; \uN takes the \ucN replacement
// characters that follow it. A closing \par at the very end of the document is not part of
// the text. Bytes that do not begin with "{\rtf" raise VbError vberr::kInvalidFileFormat.
RichText readRtf(std::string_view bytes);

}  // namespace lumbrix
