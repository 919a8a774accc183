// Every window in both languages, shown offscreen with the program's fonts: every caption,
// figure and name of its labels, buttons, options, frames, tabs and one-line fields fits the
// box it stands in, neither cut nor wrapped. The captions come from the shipped language files
// as the program applies them at start-up, so a longer text added there is caught here.
// A failure lists every offender by window, control and text.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "calculation/frm_soovita.h"
#include "localisation/frm_info.h"
#include "localisation/frm_keele_valik.h"
#include "millsettings/frm_kulude_muutmine.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_profiil.h"
#include "millsettings/frm_seaded.h"
#include "patterns/frm_arvutused.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_print_preview.h"
#include "patterns/frm_salvesta_uus_kava.h"
#include "shown_main_window.h"
#include "text_fit.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix {
namespace {

// The longest figure a result label shows: a plain number of 15 significant digits below 1,
// with its sign.
constexpr const char* kLongestFigure = "-0.123456789012345";
constexpr const char* kLongMoney = "-1234.56";
// A long pattern name as the open dialog gives it, with underscores below the line.
constexpr const char* kLongName = "LUMBRIX_400_32.000x100.00 _8ex.kava";

// True when the control and every frame that holds it are visible.
bool shown(const Control& c) {
    for (const Control* at = &c; at; at = at->container()) {
        if (!at->visible()) return false;
    }
    return true;
}

// Fails with the list of offenders, one a line.
void expectWhole(const std::string& offenders) {
    EXPECT_TRUE(offenders.empty()) << "Cut or wrapped:\n" << offenders;
}

class TextFit : public test::InstalledAppTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        prepareFolder();
        startApp();
        loadFullPatternIn(GetParam());
        m->lblSaekavanimi.setCaption(kLongName);
        m->lblValitudProfiil.setCaption("LUMBRIX");
        m->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(desktop->windowOf(*m)));
    }

    // The offenders of `form` once shown.
    std::string offenders(Form& form) {
        qt::FormView::refreshAll();
        if (!form.visible()) form.show();
        qt::FormWindow* window = desktop->windowOf(form);
        EXPECT_NE(window, nullptr) << form.name();
        if (!window) return "not shown";
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        qt::FormView::refreshAll();
        return test::describe(form.name() + " (" + GetParam() + ")",
                              test::cutTexts(*window->view()));
    }
    // Every figure the window shows, in a field or a right-aligned label, as long as a money
    // figure gets: four digits, two decimals and a sign.
    static void lengthenFigures(Form& form) {
        for (Control* c : form.controls()) {
            if (auto* field = dynamic_cast<TextBox*>(c);
                field && !field->multiLine() && !field->text().empty()) {
                field->setText(kLongMoney);
            } else if (auto* label = dynamic_cast<Label*>(c);
                       label && label->alignment() == Alignment::Right &&
                       !label->caption().empty()) {
                label->setCaption(kLongMoney);
            }
        }
    }
    // Prints `form` to PDF with its print button; every caption of its shown labels is found
    // whole on one line of the paper.
    void expectOnPaper(Form& form, CommandButton& print) {
        std::vector<std::string> captions;
        for (const Control* c : form.controls()) {
            const auto* label = dynamic_cast<const Label*>(c);
            if (label && shown(*label) && !label->caption().empty())
                captions.push_back(label->caption());
        }
        ASSERT_FALSE(captions.empty());
        QTemporaryDir dir;
        const QString file = dir.filePath("page.pdf");
        test::printNextInto(*desktop, file);
        print.press();
        const std::string paper = test::pdfText(file);
        ASSERT_FALSE(paper.empty());
        std::string missing;
        for (const std::string& caption : captions) {
            if (paper.find(caption) == std::string::npos) missing += "\"" + caption + "\"\n";
        }
        EXPECT_TRUE(missing.empty()) << form.name() << ": not whole on one line of the paper:\n"
                                     << missing << paper;
    }
    template <class W>
    std::string dialogOffenders() {
        W& dialog = app->window<W>();
        const std::string found = offenders(dialog);
        dialog.unload();
        return found;
    }
};

TEST_P(TextFit, ThePatternTabShowsEveryCaptionFigureAndNameWhole) {
    m->cmdKavaLisainfoShow.press();  // the pattern header too
    ASSERT_TRUE(m->frmLisaInfo.visible());
    expectWhole(offenders(*m));
}

TEST_P(TextFit, ThePatternTabShowsTheLongestFiguresWhole) {
    m->cmdKavaLisainfoShow.press();
    for (Label* figure : {&m->lblvaljatulekpuru,
                          &m->lblvaljatulekpuruprotsent,
                          &m->lblvaljatulekhake,
                          &m->lblvaljatulekhakeprotsent,
                          &m->lblvaljatulekkoorprotsent,
                          &m->lblsydmatosakaal,
                          &m->lblkyljelauaosakaal,
                          &m->lblseimrilauaosakaal,
                          &m->lblpalgikulutm,
                          &m->lblPalgikuluHind,
                          &m->lblMuudkuludHind,
                          &m->lblMarginPuru,
                          &m->lblMarginHake,
                          &m->lblMarginKoor,
                          &m->lblsaekavahind,
                          &m->lblTulud,
                          &m->lblKulud,
                          &m->lblmargintotal,
                          &m->lblmargintotalEBITDA,
                          &m->lblROCE,
                          &m->lblCBBreakEven,
                          &m->lblSydaHind,
                          &m->lblKyljelauahind,
                          &m->lblRawATPEBIT,
                          &m->lblRawATPEBITDA,
                          &m->lblNETrawmaterial})
        figure->setCaption(kLongestFigure);
    // The log volume ("0.000"), the yield ("0.00%") and the sawn volume (plain number text).
    m->lblPalgimaht.setCaption("12.345");
    m->lblvaljatulek.setCaption("100.00%");
    m->lblSaematerjalMaht.setCaption("1.23456789012345");
    expectWhole(offenders(*m));
}

TEST_P(TextFit, TheProductsTabShowsEveryCaptionWhole) {
    m->SSTab1.setCurrentTab(1);
    expectWhole(offenders(*m));
}

TEST_P(TextFit, TheComparisonStripShowsItsMarginsWhole) {
    for (int slot = 0; slot < 5; ++slot) {
        m->lblCompare[slot].setCaption("-12345.67");
        m->lblCompare[slot].setVisible(true);
    }
    expectWhole(offenders(*m));
}

// Every other window as it first shows: its captions, figures and names; the information box
// in the remembered language.
TEST_P(TextFit, EveryOtherWindowShowsEveryCaptionFigureAndNameWhole) {
    for (const std::string& offenders :
         {dialogOffenders<frmSeaded>(), dialogOffenders<frmPalgiHinnad>(),
          dialogOffenders<frmProfiil>(), dialogOffenders<frmKuludeMuutmine>(),
          dialogOffenders<frmAvaKava>(), dialogOffenders<frmSalvestaUusKava>(),
          dialogOffenders<frmArvutused>(), dialogOffenders<frmPrintPreview>(),
          dialogOffenders<frmSoovita>(), dialogOffenders<frm3dShow>(), dialogOffenders<frmInfo>(),
          dialogOffenders<frmKeeleValik>()})
        expectWhole(offenders);
}

TEST_P(TextFit, TheCalculationsReportShowsLongFiguresWhole) {
    frmArvutused& report = app->window<frmArvutused>();
    lengthenFigures(report);
    expectWhole(offenders(report));
    report.unload();
}

TEST_P(TextFit, ThePrintedSheetCarriesEveryCaptionAndNameOnOneLine) {
    frmPrintPreview& sheet = app->window<frmPrintPreview>();
    expectOnPaper(sheet, sheet.cmdPrindi);
}

TEST_P(TextFit, ThePrintedReportCarriesEveryCaptionAndNameOnOneLine) {
    frmArvutused& report = app->window<frmArvutused>();
    expectOnPaper(report, report.cmd_print);
    report.unload();
}

TEST_P(TextFit, TheSheetPreviewShowsLongFiguresWhole) {
    frmPrintPreview& sheet = app->window<frmPrintPreview>();
    lengthenFigures(sheet);
    expectWhole(offenders(sheet));
    sheet.unload();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextFit, ::testing::Values("eesti.keel", "english.keel"),
                         [](const auto& language) {
                             return std::string(language.param) == "eesti.keel" ? "Estonian"
                                                                                : "English";
                         });

}  // namespace
}  // namespace lumbrix
