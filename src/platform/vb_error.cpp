#include "platform/vb_error.h"

#include <utility>

namespace lumbrix {

VbError::VbError(int number, std::string description)
    : std::runtime_error(std::to_string(number) + " - " + description),
      number_(number),
      description_(std::move(description)) {}

VbError::VbError(int number) : VbError(number, standardDescription(number)) {}

std::string VbError::boxText() const {
    return std::to_string(number_) + " - " + description_;
}

namespace {

// The standard description of each run-time error number, in English and in Estonian.
struct StandardDescription {
    int number;
    const char* english;
    const char* estonian;
};

constexpr StandardDescription kStandardDescriptions[] = {
    {vberr::kInvalidProcedureCall, "Invalid procedure call or argument",
     "Vigane protseduurikutse või argument"},
    {vberr::kOverflow, "Overflow", "Ületäitumine"},
    {vberr::kSubscriptOutOfRange, "Subscript out of range", "Indeks on vahemikust väljas"},
    {vberr::kDivisionByZero, "Division by zero", "Nulliga jagamine"},
    {vberr::kTypeMismatch, "Type mismatch", "Tüübid ei sobi"},
    {vberr::kInternalError, "Internal error", "Sisemine viga"},
    {vberr::kBadFileName, "Bad file name or number", "Vigane failinimi või -number"},
    {vberr::kFileNotFound, "File not found", "Faili ei leitud"},
    {vberr::kDiskFull, "Disk full", "Ketas on täis"},
    {vberr::kDeviceUnavailable, "Device unavailable", "Seade ei ole kättesaadav"},
    {vberr::kPermissionDenied, "Permission denied", "Juurdepääs on keelatud"},
    {vberr::kPathFileAccessError, "Path/File access error", "Tee või faili juurdepääsu viga"},
    {vberr::kPathNotFound, "Path not found", "Teed ei leitud"},
    {vberr::kInvalidFileFormat, "Invalid file format", "Vigane failivorming"},
    {vberr::kControlArrayElementMissing, "Control array element doesn't exist",
     "Juhtelementide massiivi elementi ei ole"},
    {vberr::kInvalidPropertyValue, "Invalid property value", "Vigane omaduse väärtus"},
    {vberr::kInvalidPropertyArrayIndex, "Invalid property array index",
     "Vigane omaduse massiivi indeks"},
    {vberr::kCancelSelected, "Cancel was selected.", "Valiti Loobu."},
};

}  // namespace

std::string VbError::standardDescription(int number, bool estonian) {
    for (const StandardDescription& d : kStandardDescriptions) {
        if (d.number == number) return estonian ? d.estonian : d.english;
    }
    return estonian ? "Rakenduse või objekti määratud viga"
                    : "Application-defined or object-defined error";
}

}  // namespace lumbrix
