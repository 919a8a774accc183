#pragma once

#include <filesystem>
#include <string>

#include "platform/colors.h"

// The comparison slots: up to five patterns parked as file pairs named by their slot digit in
// the comparison folder, each shown as a bar on the main window raised and coloured by its
// margin. The handlers are the main window's (frmMain); these are their helpers.
namespace lumbrix {

class Application;

// The comparison folder: my_patterns/compare below the installation folder.
std::filesystem::path comparisonFolder(const Application& app);

inline constexpr Color kBandGreen = colors::rgb(0, 255, 0);
inline constexpr Color kBandPink = colors::rgb(255, 128, 128);

// Where a parked bar stands in the strip (its Top, twips) and its colour, by the pattern's
// margin per m3 of lumber: the better the margin, the more of the bar shows. A margin of 0
// earns nothing and takes the band of the losses.
struct MarginBand {
    double top;
    Color backColor;
};
MarginBand marginBand(double margin);

// Slot files are deleted only in the real comparison folder below `installFolder`: when
// my_patterns or my_patterns/compare is a symbolic link, nothing is deleted. Only regular
// files go, never a link, a folder or anything below one. Errors are ignored.

// Deletes the files of slot `slot` ("0" to "4"): those named `slot` or `slot`.<anything>.
void deleteSlotFiles(const std::filesystem::path& installFolder, const std::string& slot);

// Deletes the files that the strip parks, the pattern and notes files of the five slots
// ("0.kava", "0.rtf" ... "4.rtf"); other patterns saved in the folder stay.
void deleteComparisonFiles(const std::filesystem::path& installFolder);

}  // namespace lumbrix
