// The main window's Save and Open commands: each opens its dialog modally over the window.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_salvesta_uus_kava.h"

namespace lumbrix {

void frmMain::cmdSalvestaUusKava_Click() {
    if (lstSyda.listCount() == 0) {
        runtime::msgBox(bilingual(*this, "Kava on koostamata. Ei ole midagi salvestada!",
                                  "Pattern info is missing or invalid!"),
                        mb::kInformation, "Info");
        return;
    }
    app_.window<frmSalvestaUusKava>().showModal(this);
}

void frmMain::mnuSaekavaAva_Click() {
    app_.window<frmAvaKava>().showModal(this);
}

void frmMain::cmdAvaKava_Click() {
    mnuSaekavaAva_Click();
    Joonista_palk();
    uuenda_materjalid();
}

}  // namespace lumbrix
