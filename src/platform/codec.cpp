#include "platform/codec.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace lumbrix {

namespace {

// Windows-1257, bytes 0x80 to 0xFF. The undefined bytes (0x81, 0x83, 0x88, 0x8A, 0x8C, 0x90,
// 0x98, 0x9A, 0x9C, 0x9F, 0xA1, 0xA5) map to the C1 control of the same value.
constexpr std::array<char16_t, 128> kWindows1257High = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x00A8, 0x02C7, 0x00B8,  //
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x00AF, 0x02DB, 0x009F,  //
    // 0xA0
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  //
    0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6,  //
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6,  //
    // 0xC0
    0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112,  //
    0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B,  //
    // 0xD0
    0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7,  //
    0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF,  //
    // 0xE0
    0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113,  //
    0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C,  //
    // 0xF0
    0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7,  //
    0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9,  //
};

const std::unordered_map<char32_t, char>& windows1257Bytes() {
    static const std::unordered_map<char32_t, char> bytes = [] {
        std::unordered_map<char32_t, char> map;
        for (std::size_t i = 0; i < kWindows1257High.size(); ++i) {
            map.emplace(kWindows1257High[i], static_cast<char>(0x80 + i));
        }
        return map;
    }();
    return bytes;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

Utf8Char decodeUtf8At(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const Utf8Char invalid{lead, 1, false};
    if (lead < 0x80) return {lead, 1, true};

    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return invalid;
    }
    if (text.size() - pos < length) return invalid;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) return invalid;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF) return invalid;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return invalid;
    return {codePoint, length, true};
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Char c = decodeUtf8At(bytes, pos);
        if (!c.valid) return false;
        pos += c.length;
    }
    return true;
}

std::string decodeWindows1257(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            out += ch;
        } else {
            appendUtf8(out, kWindows1257High[byte - 0x80]);
        }
    }
    return out;
}

std::string encodeWindows1257(std::string_view utf8) {
    const auto& table = windows1257Bytes();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = decodeUtf8At(utf8, pos);
        pos += c.length;
        if (!c.valid) {
            out += '?';
        } else if (c.codePoint < 0x80) {
            out += static_cast<char>(c.codePoint);
        } else if (const auto found = table.find(c.codePoint); found != table.end()) {
            out += found->second;
        } else {
            out += '?';
        }
    }
    return out;
}

std::string decodeFileText(std::string_view bytes) {
    return decodeFileTextKeepingEncoding(bytes).text;
}

DecodedText decodeFileTextKeepingEncoding(std::string_view bytes) {
    DecodedText result;
    if (isAscii(bytes)) {
        result.text = std::string(bytes);
    } else if (isValidUtf8(bytes)) {
        result.encoding = TextEncoding::Utf8;
        result.byteOrderMark = bytes.starts_with(kUtf8Bom);
        if (result.byteOrderMark) bytes.remove_prefix(kUtf8Bom.size());
        result.text = std::string(bytes);
    } else {
        result.encoding = TextEncoding::Windows1257;
        result.text = decodeWindows1257(bytes);
    }
    return result;
}

bool fitsWindows1257(std::string_view utf8) {
    const auto& table = windows1257Bytes();
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = decodeUtf8At(utf8, pos);
        pos += c.length;
        if (!c.valid) return false;
        if (c.codePoint >= 0x80 && !table.contains(c.codePoint)) return false;
    }
    return true;
}

TextEncoding encodingForWrite(std::string_view utf8, TextEncoding readIn) {
    if (readIn == TextEncoding::Utf8 || !fitsWindows1257(utf8)) return TextEncoding::Utf8;
    // Code page bytes that happen to form UTF-8 ("Õ–" is D5 96, which is "Ֆ" in UTF-8) would
    // be read back as UTF-8 with another meaning: such text is written in UTF-8.
    const std::string bytes = encodeWindows1257(utf8);
    return !isAscii(bytes) && isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1257;
}

std::string encodeFileText(std::string_view utf8, TextEncoding readIn, bool byteOrderMark) {
    if (encodingForWrite(utf8, readIn) == TextEncoding::Windows1257) {
        return encodeWindows1257(utf8);
    }
    std::string bytes = byteOrderMark ? std::string(kUtf8Bom) : std::string();
    bytes += utf8;
    return bytes;
}

bool looksLikeText(std::string_view bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
               byte != 0x1A;
    });
}

}  // namespace lumbrix
