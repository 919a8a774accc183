// The pattern sheet's handlers: creation, print from the preview, close, the notes' styles,
// the money-figures and work-order toggles.
#include "patterns/frm_print_preview.h"

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "patterns/print_texts.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/board_row.h"

namespace lumbrix {

namespace {

// Notes wide enough to take the place of the hidden money figures, and the normal width.
constexpr double kWideNotes = 11055;
constexpr double kNarrowNotes = 5535;
constexpr double kUnderlineBesideWideNotes = 10920;
constexpr double kUnderlineBesideNarrowNotes = 5400;
constexpr double kDrawingTop = 1365;
constexpr double kDrawingTopUnderWorkOrder = 1575;

// A style button whose style is in force is orange.
constexpr Color kStyleInForce = colors::kOrange;

void toggle(std::optional<bool> current, void (RichTextBox::*set)(bool), RichTextBox& notes) {
    // A mixed selection (no single value) gets the style throughout.
    (notes.*set)(current != true);
    notes.setFocus();
}

Color markerFor(std::optional<bool> style) {
    return style == true ? kStyleInForce : colors::kButtonFace;
}

// A board row without its price: the sizes, the length and the volume, as the row's readers
// see them.
std::string withoutPrice(const std::string& row) {
    const BoardRow board(row);
    if (board.priceText().empty()) return row;  // no price to leave out
    return RTrim(composeBoardRowText(Left(row, boardrow::kHeadWidth), board.lengthText(),
                                     board.volumeText(), ""));
}

}  // namespace

frmPrintPreview::frmPrintPreview(Application& app) : Form("frmPrintPreview"), app_(app) {
    layOutControls();
    connectHandlers();
}

void frmPrintPreview::connectHandlers() {
    Load.connect([this] { Form_Load(); });
    cmdPrindi.Click.connect([this] { cmdPrindi_Click(); });
    cmdSulge.Click.connect([this] { cmdSulge_Click(); });
    cmdBold.Click.connect([this] { cmdBold_Click(); });
    cmdItalic.Click.connect([this] { cmdItalic_Click(); });
    cmdUnderline.Click.connect([this] { cmdUnderline_Click(); });
    txtKavaNotes.SelChange.connect([this] { txtKavaNotes_SelChange(); });
    cmdHide.Click.connect([this] { cmdHide_Click(); });
    cmdWordOrder.Click.connect([this] { cmdWordOrder_Click(); });
}

frmMain& frmPrintPreview::main() const {
    return app_.window<frmMain>();
}

void frmPrintPreview::Form_Load() {
    Lae_eelvaade();
    lbldate.setCaption(printedDate(app_.desktop()));
    lbltime.setCaption(printedTime(app_.desktop()));
    setCaption(main().mnuSaekavaEelvaade.caption());
    setTop(0);
}

void frmPrintPreview::showToolButtons(bool shown) {
    for (CommandButton* b :
         {&cmdPrindi, &cmdSulge, &cmdBold, &cmdItalic, &cmdUnderline, &cmdHide, &cmdWordOrder})
        b->setVisible(shown);
}

void frmPrintPreview::cmdPrindi_Click() {
    hide();
    frmMain& m = main();
    try {
        m.comDial.setCancelError(true);
        m.comDial.showPrinter();
        showToolButtons(false);
        printForm();
        // What the planner typed is kept with the pattern; the styles were for the paper.
        m.txtKavaNotes.setText(txtKavaNotes.text());
    } catch (const VbError& e) {
        if (e.number() != vberr::kCancelSelected) {
            runtime::showErrorBox(e.number(), e.description(), kPrintErrorTitle);
        }
    }
    unload();
}

void frmPrintPreview::cmdSulge_Click() {
    unload();
}

// Each press leaves the markers showing the style it set: the selection has not moved, so no
// selection change would mark it.
void frmPrintPreview::cmdBold_Click() {
    toggle(txtKavaNotes.selBold(), &RichTextBox::setSelBold, txtKavaNotes);
    txtKavaNotes_SelChange();
}

void frmPrintPreview::cmdItalic_Click() {
    toggle(txtKavaNotes.selItalic(), &RichTextBox::setSelItalic, txtKavaNotes);
    txtKavaNotes_SelChange();
}

void frmPrintPreview::cmdUnderline_Click() {
    toggle(txtKavaNotes.selUnderline(), &RichTextBox::setSelUnderline, txtKavaNotes);
    txtKavaNotes_SelChange();
}

void frmPrintPreview::txtKavaNotes_SelChange() {
    cmdBold.setBackColor(markerFor(txtKavaNotes.selBold()));
    cmdItalic.setBackColor(markerFor(txtKavaNotes.selItalic()));
    cmdUnderline.setBackColor(markerFor(txtKavaNotes.selUnderline()));
}

std::array<ListBox*, 5> frmPrintPreview::boardLists() {
    return {&lstSyda, &lstKylgVasak, &lstKylgParem, &lstSeimerAll, &lstSeimerYleval};
}

void frmPrintPreview::showBoardPrices(bool shown) {
    const std::array<ListBox*, 5> lists = boardLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        ListBox& list = *lists[i];
        std::vector<std::string> rows;
        if (shown) {
            rows = std::move(pricedRows_[i]);
            pricedRows_[i].clear();
        } else {
            pricedRows_[i] = list.rows();
            for (const std::string& row : pricedRows_[i])
                rows.push_back(withoutPrice(row));
        }
        list.clear();
        for (const std::string& row : rows)
            list.addItem(row);
    }
}

void frmPrintPreview::cmdHide_Click() {
    const bool hiding = frmSaekavaMarginalCaption.visible();
    // Hidden figures are left off the page, not only covered: a cover hides them from the
    // eye but a printed page's text would still carry them.
    showBoardPrices(!hiding);
    frmSaekavaMarginalCaption.setVisible(!hiding);
    frmPrices.setVisible(hiding);
    lblKKLabelSaematHind.setVisible(!hiding);
    txtKavaNotes.setWidth(hiding ? kWideNotes : kNarrowNotes);
    cmdUnderline.setLeft(hiding ? kUnderlineBesideWideNotes : kUnderlineBesideNarrowNotes);
    cmdItalic.setLeft(cmdUnderline.left() - cmdItalic.width());
    cmdBold.setLeft(cmdItalic.left() - cmdBold.width());
}

void frmPrintPreview::cmdWordOrder_Click() {
    const bool showing = !frmWorkorder.visible();
    frmWorkorder.setVisible(showing);
    picBack.setTop(showing ? kDrawingTopUnderWorkOrder : kDrawingTop);
}

}  // namespace lumbrix
