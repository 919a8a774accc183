#include "millsettings/profile_name.h"

#include "platform/codec.h"
#include "platform/text.h"

namespace lumbrix {

namespace {

bool isControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool hasControlCharacter(std::string_view name) {
    for (std::size_t pos = 0; pos < name.size();) {
        const Utf8Char c = decodeUtf8At(name, pos);
        if (isControlCharacter(c.codePoint)) return true;
        pos += c.length;
    }
    return false;
}

}  // namespace

std::optional<ProfileNameRefusal> checkProfileName(std::string_view name) {
    if (name.empty()) return ProfileNameRefusal{"Nimi on tühi.", "The name is empty."};
    if (name.find_first_not_of(' ') == std::string_view::npos) {
        return ProfileNameRefusal{"Nimi ei tohi koosneda ainult tühikutest.",
                                  "The name cannot consist of blanks only."};
    }
    if (name == "." || name == "..") {
        return ProfileNameRefusal{"Nimi ei tohi olla \".\" ega \"..\".",
                                  "The name cannot be \".\" or \"..\"."};
    }
    if (name.find_first_of("/\\") != std::string_view::npos) {
        return ProfileNameRefusal{"Nimes ei tohi olla märke \"/\" ega \"\\\".",
                                  "The name cannot contain \"/\" or \"\\\"."};
    }
    if (!isValidUtf8(name)) {
        return ProfileNameRefusal{"Nimi ei ole korrektne tekst.", "The name is not valid text."};
    }
    if (hasControlCharacter(name)) {
        return ProfileNameRefusal{"Nimes ei tohi olla juhtmärke.",
                                  "The name cannot contain control characters."};
    }
    if (name.front() == ' ' || name.back() == ' ') {
        return ProfileNameRefusal{"Nimi ei tohi alata ega lõppeda tühikuga.",
                                  "The name cannot begin or end with a blank."};
    }
    if (Len(name) > kMaxProfileNameLength) {
        const std::string most = std::to_string(kMaxProfileNameLength);
        return ProfileNameRefusal{"Nimi ei tohi olla pikem kui " + most + " märki.",
                                  "The name cannot be longer than " + most + " characters."};
    }
    if (LCase(Right(name, 4)) == ".set") {
        return ProfileNameRefusal{"Nimi ei tohi lõppeda laiendiga \".set\".",
                                  "The name cannot end in \".set\"."};
    }
    return std::nullopt;
}

}  // namespace lumbrix
