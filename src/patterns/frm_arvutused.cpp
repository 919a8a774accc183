// The calculations report: filling it from the main window and the store, and printing it.
#include "patterns/frm_arvutused.h"

#include <optional>

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "mainwindow/frm_main.h"
#include "patterns/print_texts.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr Color kRed = colors::rgb(255, 0, 0);
constexpr Color kGreen = colors::rgb(0, 255, 0);

// A source text as plain number text; a text that cannot be read leaves the field empty.
std::string plain(const std::string& source) {
    return NumberText(RegionCompValOrNone(source));
}

// A source text rounded to `decimals` (ties to even) as plain number text.
std::string rounded(const std::string& source, int decimals) {
    const std::optional<double> v = RegionCompValOrNone(source);
    return v ? NumberText(Round(*v, decimals)) : std::string();
}

// A source text in a fixed format, after rounding to `decimals` when asked.
std::string fixed(const std::string& source, const char* pattern, int decimals = -1) {
    const std::optional<double> v = RegionCompValOrNone(source);
    if (!v) return {};
    return FormatNumber(decimals < 0 ? *v : Round(*v, decimals), pattern);
}

// A figure as the report now shows it, read back.
double shown(const TextBox& field) {
    return RegionCompVal(field.text());
}

}  // namespace

frmArvutused::frmArvutused(Application& app) : Form("frmArvutused"), app_(app) {
    layOutControls();
    Load.connect([this] { Form_Load(); });
    cmd_print.Click.connect([this] { cmd_print_Click(); });
    cmdExit.Click.connect([this] { cmdExit_Click(); });
}

frmMain& frmArvutused::main() const {
    return app_.window<frmMain>();
}

void frmArvutused::Form_Load() {
    frmMain& m = main();
    const frmMainSub& s = m.store();
    Desktop& desktop = app_.desktop();

    lbldate.setCaption(printedDate(desktop));
    lbltime.setCaption(printedTime(desktop));
    cmd_print.setCaption(m.cmdPrindi.caption());

    txtArvutusedtxtPurumaht.setText(rounded(s.lblpurumaht, 3));
    txtArvutusedtxtHakemaht.setText(rounded(s.lblhakkemaht, 3));
    txtArvutusedtxtKoormaht.setText(rounded(s.lblkoormaht, 3));
    txtArvutusedtxtSaematerjalmaht.setText(fixed(s.lblsaematmaht, "0.000", 3));
    lblArvutusedSaematerjalProtsent.setCaption(m.lblvaljatulek.caption());
    lblArvutusedPuruProtsent.setCaption(m.lblvaljatulekpuruprotsent.caption());
    lblArvutusedHakeProtsent.setCaption(m.lblvaljatulekhakeprotsent.caption());
    lblArvutusedKoorProtsent.setCaption(m.lblvaljatulekkoorprotsent.caption());
    txtPalgikasutusTM.setText(plain(m.lblpalgikulutm.caption()));
    txtPalgihindEUR.setText(fixed(s.txtpalgiklassihind, "0.00"));
    txtPalgikasutusEUR.setText(fixed(m.lblPalgikuluHind.caption(), "0.00"));
    txtAmortkulu.setText(rounded(s.txtKuluAmort, 2));
    txtTootmisekulu.setText(rounded(s.txtKuluTootmine, 2));
    txtTootmismaht.setText(rounded(s.txtKuineTootmismaht, 2));
    txtPuisteKoefitsentHake.setText(plain(s.txtKoefitsentHake));
    txtPuisteKoefitsentPuru.setText(plain(s.txtKoefitsentPuru));
    txtPuisteKoefitsentKoor.setText(plain(s.txtKoefitsentKoor));
    txtPuisteKoefitsentKoorPalgist.setText(plain(s.txtKoefitsentKoorPalgist));
    txtArvutusedtxtPuruPuistemaht.setText(rounded(s.lblpurupuistekant, 3));
    txtArvutusedtxtHakePuistemaht.setText(rounded(s.lblpuistehakkekant, 3));
    txtArvutusedtxtKoorPuistemaht.setText(rounded(s.lblpuistekoorkant, 3));
    txtArvutusedtxtSaekavahindEUR.setText(plain(m.lblsaekavahind.caption()));
    txtArvutusedtxtPuruHindEur.setText(plain(s.txtsaepuruHind));
    txtArvutusedtxtKoorHindEur.setText(plain(s.txtkoorhind));
    txtArvutusedtxtHakeHindEur.setText(plain(s.txtHakehind));
    txtMarginPuruEUR.setText(plain(m.lblMarginPuru.caption()));
    txtMarginHakeEUR.setText(plain(m.lblMarginHake.caption()));
    txtMarginKoorEUR.setText(plain(m.lblMarginKoor.caption()));
    txtPalgidiameeter.setText(plain(m.txtPalk.text()));

    // The totals and results from the figures as shown, not from the unrounded sources.
    kuluTotal_ = shown(txtPalgikasutusEUR) + shown(txtAmortkulu) + shown(txtTootmisekulu);
    txtKuluTotal.setText(NumberText(kuluTotal_));
    tuluTotal_ = shown(txtArvutusedtxtSaekavahindEUR) + shown(txtMarginPuruEUR) +
                 shown(txtMarginHakeEUR) + shown(txtMarginKoorEUR);
    txtTuluTotal.setText(NumberText(tuluTotal_));
    tulem_ = tuluTotal_ - kuluTotal_;
    txtTulemTotal.setText(NumberText(Round(tulem_, 2)));
    tulemEbitda_ = (tuluTotal_ + shown(txtAmortkulu)) - kuluTotal_;
    txtTulemTotalEBITDA.setText(NumberText(Round(tulemEbitda_, 2)));

    cmdExit.setCaption(m.mnuProgramExit.caption());

    txtTulemTotal.setBackColor(RegionCompVal(m.lblmargintotal.caption()) > 0 ? kGreen : kRed);
    txtrawmaterialATP.setText(plain(m.lblRawATPEBIT.caption()));
    txtrawmaterialATPEBITDA.setText(plain(m.lblRawATPEBITDA.caption()));
    txtTulemTotalEBITDA.setBackColor(RegionCompVal(m.lblmargintotalEBITDA.caption()) < 0 ? kRed
                                                                                         : kGreen);
    if (shown(txtPalgihindEUR) == 0) {
        // Without a log price there is no result to show; the EBITDA price stays.
        txtrawmaterialATP.setText("-");
        txtTulemTotal.setText("-");
        txtTulemTotalEBITDA.setText("-");
    }
    if (shown(txtTulemTotalEBITDA) < 0) txtTulemTotalEBITDA.setBackColor(kRed);

    txtNETrawmaterial.setText(plain(m.lblNETrawmaterial.caption()));
    lblProgramNameVer.setCaption(m.caption());
    Lae_keel();
}

void frmArvutused::Lae_keel() {
    loadDialogCaptions(app_, *this, dialogcaptions::kArvutused);
}

void frmArvutused::cmd_print_Click() {
    CommonDialog& dialog = main().comDial;
    dialog.setCancelError(true);
    try {
        dialog.showPrinter();
    } catch (const VbError& e) {
        if (e.number() == vberr::kCancelSelected) return;
        throw;
    }
    // The buttons never reach the paper and are always shown again, printed or not.
    const auto showButtons = [this](bool shown) {
        cmd_print.setVisible(shown);
        cmdExit.setVisible(shown);
    };
    showButtons(false);
    try {
        printForm();
    } catch (...) {
        showButtons(true);
        throw;
    }
    showButtons(true);
}

void frmArvutused::cmdExit_Click() {
    unload();
}

}  // namespace lumbrix
