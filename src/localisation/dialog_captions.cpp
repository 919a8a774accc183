#include "localisation/dialog_captions.h"

#include "app/application.h"
#include "localisation/language_file.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

constexpr int kObjectRequired = 424;
constexpr const char* kWindowCaptionPrefix = "LUMBRIX - ";

// A target the table names that the window lacks is a fault of the program, not of the file.
Control& controlOf(const Form& form, const char* name) {
    if (Control* c = form.findControl(name)) return *c;
    throw VbError(kObjectRequired, std::string("Object required: ") + form.name() + "." + name);
}

Menu& menuOf(const Form& form, const char* name) {
    if (Menu* m = form.findMenu(name)) return *m;
    throw VbError(kObjectRequired, std::string("Object required: ") + form.name() + "." + name);
}

// The report's pattern name: a name of fewer than 2 characters is an unnamed pattern.
std::string patternNameForReport(const frmMain& m) {
    const std::string& name = m.lblSaekavanimi.caption();
    if (Len(name) >= 2) return name;
    return bilingual(m, "  NIMETU", "  UNNAMED");
}

}  // namespace

void setCaptionByName(const Form& form, const char* name, const std::string& text) {
    if (Menu* m = form.findMenu(name)) {
        m->setCaption(text);
        return;
    }
    controlOf(form, name).setCaption(text);
}

void loadDialogCaptions(Application& app, Form& dialog, const DialogCaptionTable& table) {
    const frmMain& m = app.window<frmMain>();
    const LanguageFile file(languageFilePath(app, m.lblValitudKeel.caption()));
    // A file that cannot be read as a whole is named once; the dialog keeps its built-in texts.
    if (!file.readable()) reportUnreadableLanguageFile(file, messagesInEstonian(m));
    for (const DialogCaptionRow& row : table.rows) {
        if (row.key && !file.readable()) continue;
        switch (row.kind) {
            case DialogTarget::WindowCaption: {
                const std::string text = file.caption(table.section, row.key);
                dialog.setCaption(table.prefixedWindowCaption ? kWindowCaptionPrefix + text : text);
                break;
            }
            case DialogTarget::Control:
                controlOf(dialog, row.target).setCaption(file.caption(table.section, row.key));
                break;
            case DialogTarget::Menu:
                menuOf(dialog, row.target).setCaption(file.caption(table.section, row.key));
                break;
            case DialogTarget::CopyMainControl:
                setCaptionByName(dialog, row.target, controlOf(m, row.source).caption());
                break;
            case DialogTarget::CopyMainMenu:
                setCaptionByName(dialog, row.target, menuOf(m, row.source).caption());
                break;
            case DialogTarget::PatternName:
                controlOf(dialog, row.target).setCaption(patternNameForReport(m));
                break;
        }
    }
}

}  // namespace lumbrix
