// The product list procedures of the main window: loading the picker's and the catalogue
// editor's lists from the profile's list files and saving the editor's list.
#include "catalogue/product_lists.h"

#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"
#include "store/saved_list.h"

namespace lumbrix {

namespace {

// Points Loendifail at the current profile's file of `type`; another type keeps the file
// chosen last.
void chooseProductListFile(frmMain& main, const std::string& type) {
    if (const auto name = productListFileName(type)) {
        main.Loendifail = (currentProfileFolder(main) / *name).string();
    }
}

void appendProductRows(frmMain& main, const std::string& type, ListBox& list) {
    chooseProductListFile(main, type);
    const SavedListRead read = appendSavedListRows(main.Loendifail, list);
    if (!read.ok()) throw VbError(read.number, read.description);
}

// These procedures report an error as "number = description" under their own name.
void reportListError(const VbError& e, const std::string& title) {
    runtime::msgBox(std::to_string(e.number()) + " = " + e.description(), mb::kCritical, title);
}

}  // namespace

std::optional<std::string> productListFileName(std::string_view type) {
    if (type == producttype::kCentre) return "center";
    if (type == producttype::kEdger) return "edger";
    if (type == producttype::kSide) return "side";
    return std::nullopt;
}

void frmMain::Lae_dim(ListBox& list) {
    try {
        appendProductRows(*this, Lauatyyp, list);
    } catch (const VbError& e) {
        reportListError(e, "frmmain\\openlist");
    }
}

void frmMain::Lae_tooted(ListBox& list) {
    try {
        appendProductRows(*this, Tootetyyp, list);
    } catch (const VbError& e) {
        reportListError(e, "frmmain\\Lae_tooted");
    }
}

bool frmMain::Salvesta_tooted(const ListBox& list) {
    try {
        chooseProductListFile(*this, Tootetyyp);
        const FileResult written = saveSavedListRows(Loendifail, list);
        if (!written) throw written.toVbError();
        return true;
    } catch (const VbError& e) {
        reportListError(e, "frmmain\\Salvesta_tooted");
        return false;
    }
}

}  // namespace lumbrix
