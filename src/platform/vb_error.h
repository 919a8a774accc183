#pragma once

#include <stdexcept>
#include <string>

namespace lumbrix {

// A run-time error with the number and description the program reports to the planner
// ("380 - Invalid property value"). Raised by controls, number conversion and files;
// caught by procedures that have their own error handling and, failing that, by the
// event dispatcher, which shows it and lets the program go on.
class VbError : public std::runtime_error {
  public:
    VbError(int number, std::string description);
    explicit VbError(int number);  // with the standard description of that number

    int number() const { return number_; }
    const std::string& description() const { return description_; }

    // "number - description", the text of the standard error box.
    std::string boxText() const;

    // The standard description of a run-time error number, in English or in Estonian.
    static std::string standardDescription(int number, bool estonian = false);

  private:
    int number_;
    std::string description_;
};

// Error numbers the program raises or tests for.
namespace vberr {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternalError = 51;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDiskFull = 61;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidFileFormat = 321;
inline constexpr int kControlArrayElementMissing = 340;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kInvalidPropertyArrayIndex = 381;
inline constexpr int kCancelSelected = 32755;
}  // namespace vberr

}  // namespace lumbrix
