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

// Deletes the regular files of `folder` named `slot` or `slot`.<anything>: never a folder,
// nothing below it. Errors are ignored.
void deleteSlotFiles(const std::filesystem::path& folder, const std::string& slot);

// Deletes every regular file of `folder`, none of its folders. Errors are ignored.
void deleteComparisonFiles(const std::filesystem::path& folder);

}  // namespace lumbrix
