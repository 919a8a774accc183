#pragma once

#include <filesystem>
#include <string>

namespace lumbrix {

class Application;
class frmMain;

// The folder of saved patterns, my_patterns below the installation folder.
std::filesystem::path patternsFolder(const Application& app);

// The patterns folder is missing: asks whether to create it (Yes/No, titled "Uus kaust?" or
// "New folder?"), in Estonian or with the English `question`, and creates it on Yes. True when
// it was created; a folder that cannot be created is reported with its reason.
bool offerToCreatePatternsFolder(frmMain& main, const std::string& question);

// The English questions of the dialogs' start-up and of the open dialog's folder button.
inline constexpr const char* kCreateFolderQuestionOnLoad =
    "Can't find patterns folder! Create the new?";
inline constexpr const char* kCreateFolderQuestionOnButton =
    "Can't find pattern folder! Create new?";

}  // namespace lumbrix
