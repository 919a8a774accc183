#include "localisation/message_language.h"

#include "mainwindow/frm_main.h"

namespace lumbrix {

bool messagesInEstonian(const frmMain& main) {
    return estonianLanguageFile(main.lblValitudKeel.caption());
}

bool estonianLanguageFile(const std::string& fileName) {
    return fileName == "eesti.keel";
}

const std::string& bilingual(const frmMain& main, const std::string& estonian,
                             const std::string& english) {
    return messagesInEstonian(main) ? estonian : english;
}

}  // namespace lumbrix
