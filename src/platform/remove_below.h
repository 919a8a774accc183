#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

// Removes the regular files that `wanted` accepts by name from the folder reached from `root`
// through the folder names of `below` (root / below[0] / below[1] ...) without following a
// symbolic link on the way: when one of them is a link, no folder, or not a single folder
// name one level down ("", ".", "..", a name with "/"), nothing is removed.
// Symbolic links, folders and other kinds of files in that folder are never removed, nor
// anything below them. Returns how many files were removed; errors end the removal quietly.
int removeRegularFilesBelow(const std::filesystem::path& root,
                            const std::vector<std::string>& below,
                            const std::function<bool(std::string_view)>& wanted);

}  // namespace lumbrix
