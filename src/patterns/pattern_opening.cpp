// Reading a pattern pair for the main window: everything read and checked before anything on
// screen changes, and every refusal naming its file and reason.
#include "patterns/pattern_opening.h"

#include <algorithm>
#include <system_error>

#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/pattern_check.h"
#include "platform/atomic_file.h"
#include "platform/event_runtime.h"
#include "platform/path_names.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

constexpr int kMostDamagedCopies = 1000;

std::string refusalText(const frmMain& main, const fs::path& file, const std::string& estonian,
                        const std::string& english) {
    return bilingual(main, kOpenErrorText, kOpenErrorTextEnglish) + "\n" + file.string() + "\n" +
           bilingual(main, estonian, english);
}

LogFieldRanges logFieldRanges(const frmMain& main) {
    const auto range = [](const ScrollBar& bar, int& low, int& high) {
        low = std::min(bar.min(), bar.max());
        high = std::max(bar.min(), bar.max());
    };
    LogFieldRanges ranges;
    range(main.scrDiameeter, ranges.diameterLow, ranges.diameterHigh);
    range(main.scrKoone, ranges.taperLow, ranges.taperHigh);
    range(main.scrPikkus, ranges.lengthLow, ranges.lengthHigh);
    return ranges;
}

// NAME.rtf.damaged, or NAME.rtf.damagedN for number N above 1, with NAME cut so that the whole
// name fits `longest` bytes.
std::string damagedCopyName(const fs::path& notesPath, int number, std::size_t longest) {
    const std::string ending = notesPath.extension().string() + ".damaged" +
                               (number > 1 ? std::to_string(number) : std::string());
    const std::size_t room = longest > ending.size() ? longest - ending.size() : 0;
    return fileNamePrefix(notesPath.stem().string(), room) + ending;
}

// The start of the box about damaged notes: which file, what is wrong and that the pattern
// opens without them.
std::string damagedNotesHead(const frmMain& main, const PatternRead& read,
                             const fs::path& notesPath) {
    return bilingual(main,
                     "Märkmete fail " + notesPath.string() + " on vigane. " +
                         read.notesReasonEstonian + "\nKava avati tühjade märkmetega. ",
                     "The notes file " + notesPath.string() + " is damaged. " + read.notesReason +
                         "\nThe pattern is opened with empty notes. ");
}

// Where damaged notes are kept: NAME.rtf.damaged beside them, or the first of
// NAME.rtf.damaged2, NAME.rtf.damaged3, ... that is free or already holds these very bytes
// (then `kept`); an empty path when none of the first thousand is. NAME is cut (never inside a
// character) where the whole name would not fit the folder's file-name limit.
struct DamagedCopy {
    fs::path path;
    bool kept = false;
};

DamagedCopy damagedNotesCopy(const fs::path& notesPath, const std::string& bytes) {
    const fs::path folder = notesPath.parent_path();
    const std::size_t longest = longestFileName(folder.empty() ? fs::path(".") : folder);
    for (int n = 1; n <= kMostDamagedCopies; ++n) {
        const fs::path candidate = folder / damagedCopyName(notesPath, n, longest);
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(candidate, ec);
        if (!fs::exists(status)) return {candidate, false};
        if (fs::is_regular_file(status)) {
            const FileBytes kept = readFileBytes(candidate);
            if (kept && kept.bytes == bytes) return {candidate, true};
        }
    }
    return {};
}

}  // namespace

PatternOpening readPatternForOpening(const frmMain& main, const fs::path& patternPath,
                                     const fs::path& notesPath) {
    PatternOpening opening;
    opening.read = readPatternPair(patternPath, notesPath);
    const PatternRead& read = opening.read;
    if (!read.ok) {
        opening.refusal = refusalText(
            main, read.file.empty() ? patternPath : read.file,
            read.reasonEstonian.empty() ? read.reason : read.reasonEstonian, read.reason);
        return opening;
    }
    if (const auto problem = patternContentProblem(read, logFieldRanges(main))) {
        opening.refusal = refusalText(main, patternPath, problem->estonian, problem->english);
    }
    return opening;
}

void showOpeningRefusal(const frmMain& main, const std::string& text) {
    runtime::msgBox(text, mb::kCritical, bilingual(main, kOpenErrorTitle, kOpenErrorTitleEnglish));
}

std::string keepDamagedNotes(const frmMain& main, PatternOpening& opening,
                             const fs::path& notesPath) {
    const PatternRead& read = opening.read;
    if (opening.refused() || !read.notesDamaged) return "";
    const auto [copy, kept] = damagedNotesCopy(notesPath, read.damagedNotesBytes);
    if (!kept) {
        const FileResult written = copy.empty()
                                       ? FileResult::failure(vberr::kPathFileAccessError, notesPath,
                                                             "every name for a copy is taken")
                                       : writeFileAtomically(copy, read.damagedNotesBytes);
        if (!written && written.number == vberr::kPermissionDenied) {
            // A folder that takes no new file takes no save either: the damaged notes stay
            // as they are without a copy, and nothing can go over them.
            const std::string folder = notesPath.parent_path().string();
            return damagedNotesHead(main, read, notesPath) +
                   bilingual(main,
                             "Vigane fail on jäetud nii, nagu see on: sellest ei saanud koopiat "
                             "teha, sest kausta " +
                                 folder +
                                 " ei saa kirjutada. Kuna kausta ei saa kirjutada, ei saa sinna "
                                 "ka midagi selle faili asemele salvestada.",
                             "The damaged file is left as it is: it could not be copied, because "
                             "the folder " +
                                 folder +
                                 " cannot be written. As the folder cannot be written, nothing "
                                 "can be saved over the file there.");
        }
        if (!written) {
            opening.refusal = refusalText(
                main, notesPath,
                "Märkmete fail on vigane ja seda ei saa alles hoida: " + read.notesReasonEstonian +
                    " Koopiat ei saa kirjutada: " + fileFailureText(main, written) + ".",
                "The notes file is damaged and cannot be kept aside: " + read.notesReason + " " +
                    written.reason + ".");
            return "";
        }
    }
    return damagedNotesHead(main, read, notesPath) +
           bilingual(main, "Vigane fail on alles hoitud nimega " + copy.string() + ".",
                     "The damaged file is kept as " + copy.string() + ".");
}

}  // namespace lumbrix
