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

std::string VbError::standardDescription(int number) {
    switch (number) {
        case vberr::kInvalidProcedureCall:
            return "Invalid procedure call or argument";
        case vberr::kOverflow:
            return "Overflow";
        case vberr::kSubscriptOutOfRange:
            return "Subscript out of range";
        case vberr::kDivisionByZero:
            return "Division by zero";
        case vberr::kTypeMismatch:
            return "Type mismatch";
        case vberr::kInternalError:
            return "Internal error";
        case vberr::kBadFileName:
            return "Bad file name or number";
        case vberr::kFileNotFound:
            return "File not found";
        case vberr::kDiskFull:
            return "Disk full";
        case vberr::kDeviceUnavailable:
            return "Device unavailable";
        case vberr::kPermissionDenied:
            return "Permission denied";
        case vberr::kPathFileAccessError:
            return "Path/File access error";
        case vberr::kPathNotFound:
            return "Path not found";
        case vberr::kInvalidFileFormat:
            return "Invalid file format";
        case vberr::kControlArrayElementMissing:
            return "Control array element doesn't exist";
        case vberr::kInvalidPropertyValue:
            return "Invalid property value";
        case vberr::kInvalidPropertyArrayIndex:
            return "Invalid property array index";
        case vberr::kCancelSelected:
            return "Cancel was selected.";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace lumbrix
