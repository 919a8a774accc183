#include "platform/estonian_file_reasons.h"

#include <array>
#include <utility>

#include "platform/file_reports.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

using Phrase = std::pair<std::string_view, std::string_view>;

// Longer and more specific phrases come first: the first one found in the text is used.
constexpr std::array kPhrases{
    Phrase{"No space left on device", "kettal ei ole ruumi"},
    Phrase{"Disk quota exceeded", "kettakvoot on täis"},
    Phrase{"Read-only file system", "failisüsteem on ainult lugemiseks"},
    Phrase{"Permission denied", "juurdepääs on keelatud"},
    Phrase{"Operation not permitted", "toiming ei ole lubatud"},
    Phrase{"No such file or directory", "faili või kausta ei ole"},
    Phrase{"Not a directory", "tee osa ei ole kaust"},
    Phrase{"Is a directory", "see on kaust"},
    Phrase{"File name too long", "nimi on liiga pikk"},
    Phrase{"Input/output error", "sisend-väljundviga"},
    Phrase{"Too many open files", "liiga palju faile on avatud"},
    Phrase{"the file is read-only", "fail on kirjutuskaitstud"},
    Phrase{"does not exist", "kausta ei ole"},
    Phrase{"it is a folder", "see on kaust"},
    Phrase{"it is a named pipe", "see on nimega toru"},
    Phrase{"it is a device", "see on seade"},
    Phrase{"it is a socket", "see on sokkel"},
    Phrase{"it is not a regular file", "see ei ole tavaline fail"},
    Phrase{"is larger than", "fail on liiga suur"},
    Phrase{"is too large", "fail on liiga suur"},
    Phrase{"is not a file", "see ei ole fail"},
    Phrase{"a list row holds at most 255", "nimekirja rida mahutab kuni 255 baiti"},
    Phrase{"do not fit a list file", "nimekirjafaili mahub kuni 32767 rida"},
    Phrase{"holds a line break or is too long", "väärtus sisaldab reavahetust või on liiga pikk"},
    Phrase{"The name is empty.", "Nimi on tühi."},
    Phrase{"The name cannot consist of blanks only.", "Nimi ei tohi koosneda ainult tühikutest."},
    Phrase{"The name cannot be \".\" or \"..\".", "Nimi ei tohi olla \".\" ega \"..\"."},
    Phrase{"The name cannot contain \"/\" or \"\\\".", "Nimes ei tohi olla \"/\" ega \"\\\"."},
    Phrase{"The name is not valid text.", "Nimi ei ole korrektne tekst."},
    Phrase{"The name cannot contain control characters.", "Nimes ei tohi olla juhtmärke."},
    Phrase{"The name is too long for a file name.", "Nimi on failinimeks liiga pikk."},
};

}  // namespace

std::optional<std::string> estonianFileReason(std::string_view englishReason) {
    for (const auto& [english, estonian] : kPhrases) {
        if (englishReason.find(english) != std::string_view::npos) return std::string(estonian);
    }
    return std::nullopt;
}

std::string estonianFailureReason(std::string_view englishReason, int number) {
    if (auto known = estonianFileReason(englishReason)) return *known;
    return fileFailureReason(number, true);
}

}  // namespace lumbrix
