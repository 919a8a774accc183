#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// A profile keeps its product catalogue in three list files in its folder, one per product
// type. The type texts are those of the picker's `Lauatyyp` and the editor's `Tootetyyp`.
namespace producttype {
inline constexpr const char* kCentre = "Syda";       // centre material: file "center"
inline constexpr const char* kEdger = "Seimrilaud";  // edger boards: file "edger"
inline constexpr const char* kSide = "Kyljelaud";    // side boards: file "side"
}  // namespace producttype

// The list file name of a product type (exact, case-sensitive), or nullopt for another text.
std::optional<std::string> productListFileName(std::string_view type);

}  // namespace lumbrix
