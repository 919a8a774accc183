// The product list procedures of the main window: loading the picker's and the catalogue
// editor's lists from the profile's list files and saving the editor's list.
#include "catalogue/product_lists.h"

#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_problems.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"
#include "store/saved_list.h"

namespace lumbrix {

namespace {

// These procedures report an error as "number = description" under their own name.
constexpr const char* kSeparator = " = ";

// Points Loendifail at the current profile's file of `type` in `folder`; another type keeps the
// file chosen last.
void chooseProductListFile(frmMain& main, const std::string& type,
                           const std::filesystem::path& folder) {
    if (const auto name = productListFileName(type)) main.Loendifail = (folder / *name).string();
}

}  // namespace

std::optional<SavedListRead> readProductRows(frmMain& main, const std::string& type,
                                             const std::string& title) {
    const auto folder = profileFolderOrReport(main, title, kSeparator);
    if (!folder) return std::nullopt;
    chooseProductListFile(main, type, *folder);
    SavedListRead read = readSavedList(main.Loendifail);
    if (!read.ok()) reportListFileProblem(main, read, title, kSeparator);
    return read;
}

namespace {

void appendProductRows(frmMain& main, const std::string& type, ListBox& list,
                       const std::string& title) {
    if (const auto read = readProductRows(main, type, title)) {
        for (const std::string& row : read->rows)
            list.addItem(row);
    }
}

}  // namespace

std::optional<std::string> productListFileName(std::string_view type) {
    if (type == producttype::kCentre) return "center";
    if (type == producttype::kEdger) return "edger";
    if (type == producttype::kSide) return "side";
    return std::nullopt;
}

void frmMain::Lae_dim(ListBox& list) {
    appendProductRows(*this, Lauatyyp, list, "frmmain\\openlist");
}

void frmMain::Lae_tooted(ListBox& list) {
    appendProductRows(*this, Tootetyyp, list, "frmmain\\Lae_tooted");
}

bool frmMain::Salvesta_tooted(const ListBox& list) {
    const std::string title = "frmmain\\Salvesta_tooted";
    const auto folder = profileFolderOrReport(*this, title, kSeparator);
    if (!folder) return false;
    chooseProductListFile(*this, Tootetyyp, *folder);
    // A damaged file is kept beside the list before it is written over.
    const FileResult written = saveSavedListRows(Loendifail, list);
    if (!written) {
        runtime::msgBox(
            std::to_string(written.number) + kSeparator + fileFailureText(*this, written),
            mb::kCritical, title);
        return false;
    }
    return true;
}

}  // namespace lumbrix
