#include "millsettings/profile_name.h"

#include <array>
#include <utility>

#include "platform/estonian_file_reasons.h"
#include "platform/path_names.h"

namespace lumbrix {

static_assert(kMaxProfileNameLength == kMaxPathNameLength);

std::optional<ProfileNameRefusal> checkProfileName(std::string_view name) {
    // The rules are those of a name that becomes a path; the refusal is told in Estonian too.
    std::optional<std::string> english = checkNameForPath(name);
    if (!english) return std::nullopt;
    // The words for the rules a file name shares are the file reasons' own; these are the
    // folder name's further rules, and the profile's wording of the path separators.
    const std::string most = std::to_string(kMaxProfileNameLength);
    const std::array<std::pair<std::string, std::string>, 4> estonian{{
        {"The name cannot contain \"/\" or \"\\\".", "Nimes ei tohi olla märke \"/\" ega \"\\\"."},
        {"The name cannot begin or end with a blank.", "Nimi ei tohi alata ega lõppeda tühikuga."},
        {"The name cannot be longer than " + most + " characters.",
         "Nimi ei tohi olla pikem kui " + most + " märki."},
        {"The name cannot end in \".set\".", "Nimi ei tohi lõppeda laiendiga \".set\"."},
    }};
    for (const auto& [known, words] : estonian) {
        if (*english == known) return ProfileNameRefusal{words, std::move(*english)};
    }
    std::string words = estonianFileReason(*english).value_or(*english);
    return ProfileNameRefusal{std::move(words), std::move(*english)};
}

}  // namespace lumbrix
