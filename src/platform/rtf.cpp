#include "platform/rtf.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "platform/codec.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

// ---------------------------------------------------------------- writing

void appendHexByte(std::string& out, unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\'%02x", byte);
    out += buffer;
}

// \uN takes a signed 16-bit number; the "?" behind it is what a reader without Unicode shows.
void appendUnicodeUnit(std::string& out, char32_t unit) {
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + "?";
}

void appendUnicode(std::string& out, char32_t cp) {
    if (cp > 0xFFFF) {
        const char32_t v = cp - 0x10000;
        appendUnicodeUnit(out, 0xD800 + (v >> 10));
        appendUnicodeUnit(out, 0xDC00 + (v & 0x3FF));
    } else {
        appendUnicodeUnit(out, cp);
    }
}

// Switches the styles that differ between `from` and `to`.
void appendFormatChange(std::string& out, const CharFormat& from, const CharFormat& to) {
    if (from.bold != to.bold) out += to.bold ? "\\b " : "\\b0 ";
    if (from.italic != to.italic) out += to.italic ? "\\i " : "\\i0 ";
    if (from.underline != to.underline) out += to.underline ? "\\ul " : "\\ulnone ";
}

// ---------------------------------------------------------------- reading

// Windows-1252, bytes 0x80 to 0x9F (0xA0 to 0xFF are the Latin-1 code points). The undefined
// bytes map to the C1 control of the same value, as the Windows-1257 decoder does.
constexpr std::array<char16_t, 32> kWindows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  //
};

// Groups whose content is not document text.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 36> kDestinations = {
        "fonttbl",      "colortbl",  "stylesheet", "info",       "pict",      "object",
        "header",       "headerl",   "headerr",    "headerf",    "footer",    "footerl",
        "footerr",      "footerf",   "footnote",   "annotation", "listtable", "listoverridetable",
        "revtbl",       "rsidtbl",   "filetbl",    "xmlnstbl",   "fldinst",   "pntext",
        "pntxta",       "pntxtb",    "bkmkstart",  "bkmkend",    "themedata", "colorschememapping",
        "latentstyles", "datastore", "generator",  "nonshppict", "pgdsctbl",  "private",
    };
    for (std::string_view d : kDestinations) {
        if (d == word) return true;
    }
    return false;
}

bool isUnderlineOn(std::string_view word) {
    static constexpr std::array<std::string_view, 17> kUnderlines = {
        "ul",         "uld",       "uldb",       "uldash", "uldashd",  "uldashdd",
        "ulhwave",    "ulldash",   "ulth",       "ulthd",  "ulthdash", "ulthdashd",
        "ulthdashdd", "ulthldash", "ululdbwave", "ulw",    "ulwave",
    };
    for (std::string_view u : kUnderlines) {
        if (u == word) return true;
    }
    return false;
}

// Typographic symbols that writers put as control words.
char32_t symbolWord(std::string_view word) {
    static const std::unordered_map<std::string_view, char32_t> kSymbols = {
        {"emdash", 0x2014}, {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
    };
    const auto it = kSymbols.find(word);
    return it == kSymbols.end() ? 0 : it->second;
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class RtfReader {
  public:
    explicit RtfReader(std::string_view in) : in_(in) {}

    RichText read() {
        stack_.push_back(State{});
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                pendingSkip_ = 0;
                stack_.push_back(stack_.back());
            } else if (c == '}') {
                ++pos_;
                pendingSkip_ = 0;
                if (stack_.size() > 1) stack_.pop_back();
                if (stack_.size() == 1) break;  // the document's own group has closed
            } else if (c == '\\') {
                ++pos_;
                readControl();
            } else if (c == '\r' || c == '\n') {
                ++pos_;  // line breaks of the file are not text
            } else {
                ++pos_;
                textByte(static_cast<unsigned char>(c));
            }
        }
        if (endsWithParagraph_) {
            // The closing paragraph mark of the document.
            out_.text.resize(out_.text.size() - 2);
            out_.formats.resize(out_.formats.size() - 2);
        }
        return std::move(out_);
    }

  private:
    struct State {
        CharFormat format;
        bool skip = false;
        int unicodeSkip = 1;  // \ucN
    };

    State& state() { return stack_.back(); }

    void emit(char32_t cp) {
        if (state().skip) return;
        appendUtf8(out_.text, cp);
        out_.formats.push_back(state().format);
        endsWithParagraph_ = false;
    }

    void emitBreak(bool paragraph) {
        if (state().skip) return;
        emit(U'\r');
        emit(U'\n');
        endsWithParagraph_ = paragraph;
    }

    // A byte of text in the document's code page, or a replacement character after \uN.
    void textByte(unsigned char byte) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (byte < 0x80) {
            emit(byte);
        } else if (codePage_ == 1252) {
            emit(byte < 0xA0 ? kWindows1252C1[byte - 0x80] : char32_t{byte});
        } else {
            const std::string utf8 =
                decodeWindows1257(std::string_view(reinterpret_cast<const char*>(&byte), 1));
            emit(decodeUtf8At(utf8, 0).codePoint);
        }
    }

    void unicodeUnit(long value) {
        const auto unit = static_cast<char32_t>(value < 0 ? value + 0x10000 : value) & 0xFFFF;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (highSurrogate_ != 0) {
                emit(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            }
            highSurrogate_ = 0;
        } else {
            highSurrogate_ = 0;
            emit(unit);
        }
        pendingSkip_ = state().unicodeSkip;
    }

    void readControl() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (isAsciiLetter(c)) {
            readControlWord();
            return;
        }
        ++pos_;
        switch (c) {
            case '\'': {
                if (pos_ + 2 > in_.size()) return;
                const int hi = hexValue(in_[pos_]);
                const int lo = hexValue(in_[pos_ + 1]);
                if (hi < 0 || lo < 0) return;
                pos_ += 2;
                textByte(static_cast<unsigned char>(hi * 16 + lo));
                return;
            }
            case '\\':
            case '{':
            case '}':
                if (pendingSkip_ > 0) {
                    --pendingSkip_;
                } else {
                    emit(static_cast<char32_t>(c));
                }
                return;
            case '*':
                // An optional destination: a reader that does not know it skips it.
                state().skip = true;
                return;
            case '~':
                emit(0x00A0);
                return;
            case '_':
                emit(U'-');
                return;
            case '\r':
            case '\n':
                emitBreak(true);  // a backslash before a line break is a paragraph mark
                return;
            default:
                return;  // optional hyphens, index marks and unknown symbols carry no text
        }
    }

    void readControlWord() {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isAsciiLetter(in_[pos_]))
            ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParam = false;
        bool negative = false;
        long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasParam = true;
            if (param < 100'000'000) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank
        controlWord(word, hasParam, param);
    }

    void controlWord(std::string_view word, bool hasParam, long param) {
        const bool on = !hasParam || param != 0;
        if (word != "u") pendingSkip_ = 0;
        if (word == "par") {
            emitBreak(true);
        } else if (word == "line") {
            emitBreak(false);
        } else if (word == "tab") {
            emit(U'\t');
        } else if (word == "b") {
            state().format.bold = on;
        } else if (word == "i") {
            state().format.italic = on;
        } else if (isUnderlineOn(word)) {
            state().format.underline = on;
        } else if (word == "ulnone") {
            state().format.underline = false;
        } else if (word == "plain") {
            state().format = CharFormat{};
        } else if (word == "uc") {
            if (hasParam && param >= 0) state().unicodeSkip = static_cast<int>(param);
        } else if (word == "u") {
            if (hasParam) unicodeUnit(param);
        } else if (word == "ansicpg") {
            codePage_ = param == 1252 ? 1252 : 1257;
        } else if (word == "bin") {
            // Binary data of an object or picture: never text.
            if (hasParam && param > 0) {
                pos_ = std::min(in_.size(), pos_ + static_cast<std::size_t>(param));
            }
        } else if (isSkippedDestination(word)) {
            state().skip = true;
        } else if (const char32_t symbol = symbolWord(word); symbol != 0) {
            emit(symbol);
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<State> stack_;
    int codePage_ = 1257;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    bool endsWithParagraph_ = false;
    RichText out_;
};

}  // namespace

std::string writeRtf(const RichText& doc) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1257\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset186 Arial;}}\r\n"
        "\\uc1\\pard\\f0\\fs20 ";
    const std::string_view text = doc.text;
    CharFormat current;
    std::size_t index = 0;
    for (std::size_t pos = 0; pos < text.size(); ++index) {
        const Utf8Char ch = decodeUtf8At(text, pos);
        const CharFormat format = index < doc.formats.size() ? doc.formats[index] : CharFormat{};
        appendFormatChange(out, current, format);
        current = format;
        const char32_t cp = ch.codePoint;
        if (!ch.valid) {
            out += '?';
        } else if (cp == U'\r' || cp == U'\n') {
            // "\r\n" is one break: its second character takes no mark of its own.
            if (cp == U'\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
                pos += ch.length;
                ++index;
            }
            out += "\\par\r\n";
        } else if (cp == U'\t') {
            out += "\\tab ";
        } else if (cp == U'\\' || cp == U'{' || cp == U'}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp < 0x20) {
            appendHexByte(out, static_cast<unsigned char>(cp));
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            const std::string encoded = encodeWindows1257(text.substr(pos, ch.length));
            if (encoded == "?") {
                appendUnicode(out, cp);
            } else {
                appendHexByte(out, static_cast<unsigned char>(encoded[0]));
            }
        }
        pos += ch.length;
    }
    appendFormatChange(out, current, CharFormat{});
    out += "\\par\r\n}\r\n";
    return out;
}

RichText readRtf(std::string_view bytes) {
    if (!bytes.starts_with("{\\rtf")) {
        throw VbError(vberr::kInvalidFileFormat,
                      "Invalid file format: the file is not an RTF document");
    }
    return RtfReader(bytes).read();
}

}  // namespace lumbrix
