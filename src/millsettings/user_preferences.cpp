// Reading the planner's preferences while the main window loads.
#include "millsettings/user_preferences.h"

#include "app/application.h"
#include "localisation/frm_keele_valik.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "platform/event_runtime.h"
#include "platform/path_names.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

bool startsWithoutLanguageBox(const std::string& stored) {
    try {
        return CInt(ToDoubleStrict(stored)) == 1;
    } catch (const VbError&) {
        return false;
    }
}

FileResult rememberStartLanguage(UserSettings& settings, const std::string& languageFile) {
    if (FileResult language = settings.save(languagechoice::kDefaultLanguage, languageFile);
        !language) {
        return language;
    }
    return settings.save(languagechoice::kShowLanguageBox, "1");
}

void frmMain::Lae_registriseaded() {
    frmMainSub& s = store();
    UserSettings& settings = app().userSettings();

    s.txtAutoFit = settings.get(preference::kAutofit, preference::kAutofitDefault);
    mnuAutoFit.setChecked(s.txtAutoFit == "1");

    // The profile's name becomes a folder name: a stored name that cannot be one, or whose
    // folder is gone, is replaced by the shipped profile, and the planner is told once the
    // language is known.
    const StartProfile start = chooseStartProfile(
        app().installFolder(),
        settings.get(preference::kDefaultProfile, preference::kDefaultProfileDefault));
    s.txtVaikimisiProfiil = start.name;
    lblValitudProfiil.setCaption(s.txtVaikimisiProfiil);

    lblValitudKeel.setCaption(
        settings.get(preference::kDefaultLanguage, preference::kDefaultLanguageDefault));
    // The boxes shown until the language file is applied answer in this language too.
    app().desktop().setMessageLanguage(messagesInEstonian(*this));

    if (start.replaced()) {
        runtime::msgBox(bilingual(*this, start.estonian, start.english), mb::kExclamation);
    }
}

}  // namespace lumbrix
