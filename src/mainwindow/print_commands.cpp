// The main window's report and print commands: the calculations report, the pattern sheet's
// preview and its direct print.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/header_text.h"
#include "patterns/frm_arvutused.h"
#include "patterns/frm_print_preview.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

// A pattern without centre boards has nothing to print: true after telling the planner.
bool refuseEmptySheet(const frmMain& main) {
    if (main.lstSyda.listCount() > 0) return false;
    runtime::msgBox(bilingual(main, "Ei ole midagi printida!", "Nothing to print!"),
                    mb::kInformation, "Info");
    return true;
}

}  // namespace

void frmMain::cmdShowCalculations_Click() {
    app_.window<frmArvutused>().showModal(this);
}

void frmMain::mnuSaekavaEelvaade_Click() {
    if (refuseEmptySheet(*this)) return;
    app_.window<frmPrintPreview>().showModal(this);
}

void frmMain::mnuSaekavaPrindi_Click() {
    if (refuseEmptySheet(*this)) return;
    try {
        comDial.setDialogTitle("LUMBRIX printing...");
        comDial.setCancelError(true);
        comDial.showPrinter();
        // The sheet is made, stamped with today's date and the user, printed and discarded
        // without ever being shown.
        frmPrintPreview& sheet = app_.window<frmPrintPreview>();
        sheet.showToolButtons(false);
        sheet.txtKavaKuupaev.setText(todayForHeader(app_.desktop()));
        sheet.txtKavaKoostaja.setText(authorFromEnvironment(app_.desktop()));
        sheet.printForm();
        sheet.unload();
    } catch (const VbError& e) {
        if (e.number() != vberr::kCancelSelected) {
            runtime::showErrorBox(e.number(), e.description(), kPrintErrorTitle);
        }
        if (auto* sheet = app_.loadedWindow<frmPrintPreview>()) sheet->unload();
    }
}

void frmMain::cmdPrindi_Click() {
    mnuSaekavaPrindi_Click();
}

}  // namespace lumbrix
