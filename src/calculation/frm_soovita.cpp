// The centre-board suggestion dialog and the main window's Suggest command that opens it.
#include "calculation/frm_soovita.h"

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/message_language.h"
#include "mainwindow/board_lists.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// ---- layout, twips: a caption column, a value column and a stepper pair per row
constexpr double kWindowWidth = 5970;
constexpr double kWindowHeight = 4395;
constexpr double kMargin = 240;
constexpr double kCaptionWidth = 2760;
constexpr double kValueLeft = kMargin + kCaptionWidth + 60;
constexpr double kValueWidth = 960;
constexpr double kStepperLeft = kValueLeft + kValueWidth + 90;
constexpr double kStepperWidth = 450;
constexpr double kRowTop = 240;
constexpr double kRowPitch = 495;
constexpr double kFieldHeight = 330;
constexpr double kResultWidth = kWindowWidth - 120 - 2 * kMargin;
constexpr double kButtonHeight = 375;

// The text of a stepped oversize: one decimal, a point as separator.
std::string oversizeText(double percent) {
    return FormatNumber(percent, "0.0");
}

}  // namespace

frmSoovita::frmSoovita(Application& app) : Form("frmSoovita"), app_(app) {
    layOutControls();
    connectHandlers();
}

frmMain& frmSoovita::main() const {
    return app_.window<frmMain>();
}

void frmSoovita::layOutControls() {
    setCaption("Materjali soovitamine");
    move(0, 0, kWindowWidth, kWindowHeight);
    setFixedSize(true);

    struct Row {
        Label& caption;
        const char* captionText;
        Control& value;
        CommandButton& minus;
        CommandButton& plus;
    };
    const Row rows[] = {
        {lblSoovitaPalgiDiam, "Palgidiameeter, mm", lblPalgiDiameeter, cmdPalkMiinus, cmdPalkPluss},
        {lblSoovitaExLog, "Materjali ex.log, tk", txtExLog, cmdExLogMiinus, cmdExLogPluss},
        {lblSoovitaSydMat, "Südamematerjali ülemõõt, %", txtYlemoot, cmdYlemootMiinus,
         cmdYlemootPluss},
    };
    double top = kRowTop;
    for (const Row& r : rows) {
        r.caption.move(kMargin, top + 45, kCaptionWidth, kFieldHeight - 45);
        r.caption.setCaption(r.captionText);
        r.value.move(kValueLeft, top, kValueWidth, kFieldHeight);
        r.minus.move(kStepperLeft, top, kStepperWidth, kFieldHeight);
        r.minus.setCaption("-");
        r.plus.move(kStepperLeft + kStepperWidth + 30, top, kStepperWidth, kFieldHeight);
        r.plus.setCaption("+");
        top += kRowPitch;
    }
    lblPalgiDiameeter.setBordered(true);
    lblPalgiDiameeter.setAlignment(Alignment::Right);
    lblPalgiDiameeter.setBackColor(colors::kWhite);
    txtExLog.setAlignment(Alignment::Right);
    txtExLog.setText("1");
    txtYlemoot.setAlignment(Alignment::Right);
    txtYlemoot.setText("3");

    top += 90;
    lblSoovitaSoovitus.move(kMargin, top, kResultWidth, 285);
    lblSoovitaSoovitus.setCaption("Soovitatav ristlõige antud diameetri ja määrangutega on:");
    top += 330;
    for (Label* result : {&lblParimRistloige, &lblparimristloigesaag}) {
        result->move(kMargin, top, kResultWidth, 420);
        result->setCaption("0x0");
        result->setAlignment(Alignment::Center);
        result->setBordered(true);
        result->setBackColor(colors::kWhite);
        result->setFontBold(true);
        result->setFontSize(12);
        top += 480;
    }

    top += 120;
    cmdHelp_sugest.move(kMargin, top, kStepperWidth, kButtonHeight);
    cmdHelp_sugest.setCaption("?");
    constexpr double kCommandWidth = 1500;
    cmdTagasi.move(kMargin + kResultWidth - kCommandWidth, top, kCommandWidth, kButtonHeight);
    cmdTagasi.setCaption("Tagasi");
    cmdTagasi.setCancel(true);
    cmdJoonistaKava.move(kMargin + kResultWidth - 2 * kCommandWidth - 90, top, kCommandWidth,
                         kButtonHeight);
    cmdJoonistaKava.setCaption("&Näita kava");
}

void frmSoovita::connectHandlers() {
    Load.connect([this] { Form_Load(); });
    cmdPalkMiinus.Click.connect([this] { cmdPalkMiinus_Click(); });
    cmdPalkPluss.Click.connect([this] { cmdPalkPluss_Click(); });
    cmdExLogMiinus.Click.connect([this] { cmdExLogMiinus_Click(); });
    cmdExLogPluss.Click.connect([this] { cmdExLogPluss_Click(); });
    cmdYlemootMiinus.Click.connect([this] { cmdYlemootMiinus_Click(); });
    cmdYlemootPluss.Click.connect([this] { cmdYlemootPluss_Click(); });
    // A typed count or oversize counts once the planner leaves its field.
    txtExLog.LostFocus.connect([this] { Arvuta_soovitus(); });
    txtYlemoot.LostFocus.connect([this] { Arvuta_soovitus(); });
    cmdJoonistaKava.Click.connect([this] { cmdJoonistaKava_Click(); });
    cmdTagasi.Click.connect([this] { cmdTagasi_Click(); });
    cmdHelp_sugest.Click.connect([this] { cmdHelp_sugest_Click(); });
}

void frmSoovita::Form_Load() {
    lblPalgiDiameeter.setCaption(main().txtPalk.text());
    Lae_keel();
    Arvuta_soovitus();
}

void frmSoovita::Lae_keel() {
    loadDialogCaptions(app_, *this, dialogcaptions::kSoovita);
}

void frmSoovita::Arvuta_soovitus() {
    frmMain& m = main();
    const double diameter = RegionCompVal(m.txtPalk.text());

    // The fields show the values the suggestion is computed with.
    boardCount_ = usedBoardCount(txtExLog.text());
    if (fieldNumber(txtExLog.text()) != static_cast<double>(boardCount_))
        txtExLog.setText(NumberText(boardCount_));
    const double oversize = usedOversize(txtYlemoot.text());
    if (fieldNumber(txtYlemoot.text()) != oversize) txtYlemoot.setText(NumberText(oversize));

    const double kerf = RegionCompVal(m.store().txtKetas2saag);
    suggestion_ = suggestCentreBoards(diameter, boardCount_, kerf, oversize);
    lblParimRistloige.setCaption(suggestion_.nominal());
    lblparimristloigesaag.setCaption(suggestion_.sawn());
    cmdJoonistaKava.setEnabled(canShowPattern());
}

bool frmSoovita::canShowPattern() const {
    if (!suggestion_.sawable() || !suggestion_.fitsBoardRow()) return false;
    // The drawing takes a diameter that is a number whose whole value its scroll bar holds;
    // a pattern on any other would be fitted and drawn from a log the main window refuses.
    const frmMain& m = main();
    try {
        return m.scrDiameeter.holds(CInt(ToDoubleStrict(m.txtPalk.text())));
    } catch (const VbError&) {
        return false;  // no number, or one beyond the whole numbers
    }
}

void frmSoovita::stepDiameter(double step) {
    const double diameter = RegionCompVal(lblPalgiDiameeter.caption());
    const bool steps = step < 0 ? diameter > suggestion::kSmallestDiameter
                                : diameter < suggestion::kLargestDiameter;
    if (steps) {
        const std::string text = NumberText(diameter + step);
        lblPalgiDiameeter.setCaption(text);
        main().txtPalk.setText(text);
    }
    Arvuta_soovitus();
}

void frmSoovita::stepBoardCount(int step) {
    const int count = usedBoardCount(txtExLog.text());
    const bool steps =
        step < 0 ? count > suggestion::kFewestBoards : count < suggestion::kMostBoards;
    if (steps) txtExLog.setText(NumberText(count + step));
    Arvuta_soovitus();
}

void frmSoovita::stepOversize(double step) {
    const double oversize = usedOversize(txtYlemoot.text());
    const bool steps =
        step < 0 ? oversize > suggestion::kLeastOversize : oversize < suggestion::kMostOversize;
    if (steps) txtYlemoot.setText(oversizeText(oversize + step));
    Arvuta_soovitus();
}

void frmSoovita::cmdPalkMiinus_Click() {
    stepDiameter(-1);
}
void frmSoovita::cmdPalkPluss_Click() {
    stepDiameter(1);
}
void frmSoovita::cmdExLogMiinus_Click() {
    stepBoardCount(-1);
}
void frmSoovita::cmdExLogPluss_Click() {
    stepBoardCount(1);
}
void frmSoovita::cmdYlemootMiinus_Click() {
    stepOversize(-0.1);
}
void frmSoovita::cmdYlemootPluss_Click() {
    stepOversize(0.1);
}

void frmSoovita::cmdJoonistaKava_Click() {
    // The rows are those of the fields as they stand, also when one was typed just now.
    Arvuta_soovitus();
    if (!canShowPattern()) return;
    frmMain& m = main();
    const double length =
        RegionCompVal(m.txtPikkus.text()) - RegionCompVal(m.store().txtKappimineSydmat);
    const std::string row = suggestedCentreRow(suggestion_, length);
    for (int i = 0; i < boardCount_; ++i) {
        if (!appendBoardRow(m.lstSyda, row)) {
            m.refuseNinthCentreBoard();
            break;
        }
    }
    unload();
    m.tmr_reload.setEnabled(true);
}

void frmSoovita::cmdTagasi_Click() {
    unload();
}

void frmSoovita::cmdHelp_sugest_Click() {
    runtime::msgBox(
        bilingual(main(),
                  "Programm arvutab geomeetriliselt sobivaima südamemateriali ristlõike\r\n"
                  "valitud seadetele vastavalt, maksimeerimaks südamematerjali\r\n"
                  "osakaalu saekavast.",
                  "Program will calculate geometrically best fitting centerboard dimension \r\n"
                  "for selected settings to achieve maximum share of centerboards in\r\n"
                  "sawing battern."),
        mb::kOkOnly);
}

// The Suggest command: a new pattern, the dialog over it, and the update once it has closed.
// A pattern the planner kept (Cancel in the save question, or a save that did not happen) is
// not added to: the dialog opens only on an empty centre list.
void frmMain::cmdSoovita_Click() {
    cmdUusKava_Click();
    if (lstSyda.listCount() > 0) return;
    app_.window<frmSoovita>().showModal(this);
    tmr_update.setEnabled(true);
}

}  // namespace lumbrix
