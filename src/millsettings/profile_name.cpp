#include "millsettings/profile_name.h"

#include <array>
#include <utility>

#include "platform/path_names.h"

namespace lumbrix {

static_assert(kMaxProfileNameLength == kMaxPathNameLength);

std::optional<ProfileNameRefusal> checkProfileName(std::string_view name) {
    // The rules are those of a name that becomes a path; the refusal is told in Estonian too.
    std::optional<std::string> english = checkNameForPath(name);
    if (!english) return std::nullopt;
    const std::string most = std::to_string(kMaxProfileNameLength);
    const std::array<std::pair<std::string, std::string>, 9> estonian{{
        {"The name is empty.", "Nimi on tühi."},
        {"The name cannot consist of blanks only.", "Nimi ei tohi koosneda ainult tühikutest."},
        {"The name cannot be \".\" or \"..\".", "Nimi ei tohi olla \".\" ega \"..\"."},
        {"The name cannot contain \"/\" or \"\\\".", "Nimes ei tohi olla märke \"/\" ega \"\\\"."},
        {"The name is not valid text.", "Nimi ei ole korrektne tekst."},
        {"The name cannot contain control characters.", "Nimes ei tohi olla juhtmärke."},
        {"The name cannot begin or end with a blank.", "Nimi ei tohi alata ega lõppeda tühikuga."},
        {"The name cannot be longer than " + most + " characters.",
         "Nimi ei tohi olla pikem kui " + most + " märki."},
        {"The name cannot end in \".set\".", "Nimi ei tohi lõppeda laiendiga \".set\"."},
    }};
    for (const auto& [known, words] : estonian) {
        if (*english == known) return ProfileNameRefusal{words, std::move(*english)};
    }
    return ProfileNameRefusal{*english, *english};  // every refusal has its words above
}

}  // namespace lumbrix
