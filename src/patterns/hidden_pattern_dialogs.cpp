#include "patterns/hidden_pattern_dialogs.h"

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_salvesta_uus_kava.h"
#include "platform/atomic_file.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

// Unloads the driven dialog however the driving ends.
class DiscardAfterwards {
  public:
    explicit DiscardAfterwards(Form& dialog) : dialog_(dialog) {}
    ~DiscardAfterwards() {
        if (dialog_.isLoaded()) dialog_.unload();
    }
    DiscardAfterwards(const DiscardAfterwards&) = delete;
    DiscardAfterwards& operator=(const DiscardAfterwards&) = delete;

  private:
    Form& dialog_;
};

}  // namespace

bool savePatternWithoutShowing(Application& app, const std::filesystem::path& folder,
                               const std::string& name) {
    frmSalvestaUusKava& dialog = app.window<frmSalvestaUusKava>();
    const DiscardAfterwards discard(dialog);
    try {
        dialog.File1.setPath(folder.string());
    } catch (const VbError& e) {
        // A folder that cannot be saved into fails the save as the dialog reports it: the
        // folder named, the reason in the program's language.
        const FileResult failure = FileResult::failure(
            e.number(), folder, "Cannot save into " + folder.string() + ": " + e.description());
        dialog.reportFailedSave(e.number(), fileFailureText(app.window<frmMain>(), failure));
        return false;
    }
    dialog.txtfailinimi.setText(name);
    dialog.cmdSave.press();
    return dialog.saved();
}

bool openPatternWithoutShowing(Application& app, const std::filesystem::path& folder,
                               const std::string& name) {
    frmAvaKava& dialog = app.window<frmAvaKava>();
    const DiscardAfterwards discard(dialog);
    dialog.File1.setPath(folder.string());
    for (int i = 0; i < dialog.File1.listCount(); ++i) {
        dialog.File1.setListIndex(i);
        if (dialog.txtfailinimi.text() != name) continue;
        dialog.cmdAvaKava.press();
        return dialog.opened();
    }
    return false;
}

}  // namespace lumbrix
