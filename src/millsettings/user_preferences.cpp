// Reading the planner's preferences while the main window loads.
#include "millsettings/user_preferences.h"

#include "app/application.h"
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

void frmMain::Lae_registriseaded() {
    frmMainSub& s = store();
    UserSettings& settings = app().userSettings();

    s.txtAutoFit = settings.get(preference::kAutofit, preference::kAutofitDefault);
    mnuAutoFit.setChecked(s.txtAutoFit == "1");

    // The profile's name becomes a folder name: a stored name that cannot be one is replaced
    // by the shipped profile, and the planner is told once the language is known.
    const std::string stored =
        settings.get(preference::kDefaultProfile, preference::kDefaultProfileDefault);
    const bool usable = !checkNameForPath(stored);
    s.txtVaikimisiProfiil = usable ? stored : kDefaultProfileName;
    lblValitudProfiil.setCaption(s.txtVaikimisiProfiil);

    lblValitudKeel.setCaption(
        settings.get(preference::kDefaultLanguage, preference::kDefaultLanguageDefault));

    if (!usable) {
        runtime::msgBox(
            bilingual(*this,
                      "Vaikimisi profiili nimi \"" + stored +
                          "\" ei sobi kausta nimeks. Kasutan profiili " + kDefaultProfileName + ".",
                      "The default profile name \"" + stored +
                          "\" cannot be used as a folder name. The profile " + kDefaultProfileName +
                          " is used instead."),
            mb::kExclamation);
    }
}

}  // namespace lumbrix
