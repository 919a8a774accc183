#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "store/saved_list.h"

namespace lumbrix {

// A profile keeps its product catalogue in three list files in its folder, one per product
// type. The type texts are those of the picker's `Lauatyyp` and the editor's `Tootetyyp`.
namespace producttype {
inline constexpr const char* kCentre = "Syda";       // centre material: file "center"
inline constexpr const char* kEdger = "Seimrilaud";  // edger boards: file "edger"
inline constexpr const char* kSide = "Kyljelaud";    // side boards: file "side"
}  // namespace producttype

class frmMain;

// Reads the product list of `type` (a type text; another text keeps the file chosen last in
// Loendifail) from the current profile's folder, which is made when it is missing. What cannot
// be used is reported once per file and event under `title` ("number = description", the file
// and why); nullopt when the profile's folder cannot be had.
std::optional<SavedListRead> readProductRows(frmMain& main, const std::string& type,
                                             const std::string& title);

// The list file name of a product type (exact, case-sensitive), or nullopt for another text.
std::optional<std::string> productListFileName(std::string_view type);

}  // namespace lumbrix
