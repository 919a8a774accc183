// The shipped language files word each control for what it shows: no button that throws work
// away reads like a confirmation, and no figure is named with a unit it does not have.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "localisation/main_caption_table.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_seaded.h"
#include "patterns/frm_print_preview.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Language {
    const char* file;
    const char* close;  // the word for leaving a window without saving
    std::vector<std::string> confirmations;
    const char* looseWord;
};

const Language kLanguages[] = {
    {"eesti.keel", "Sulge", {"OK", "Salvesta", "Rakenda", "Kinnita"}, "puiste"},
    {"english.keel", "Close", {"OK", "Save", "Apply", "Confirm"}, "loose"},
};

class ShippedTextsTest : public test::LocalisationTest {
  protected:
    ShippedTextsTest() { folder.copyShippedData(); }
    frmMain& start(const char* language) {
        app = std::make_unique<Application>(desktop, folder.path());
        applyLanguageFile(*app, folder / "language", language);
        return app->window<frmMain>();
    }
    // Places one centre board on the main window, opens its preview sheet, runs `check` on
    // the sheet and closes it.
    void checkSheet(frmMain& m, std::function<void(frmPrintPreview&)> check) {
        m.lstSyda.addItem(composeBoardRow(boardRowHead("    50", "   150", "    52", "   155"),
                                          5200, 0.04, "  450"));
        desktop.onNextModal([check = std::move(check)](Form& form) {
            check(static_cast<frmPrintPreview&>(form));
            form.unload();
        });
        m.mnuSaekavaEelvaade.click();
    }
};

TEST_F(ShippedTextsTest, TheSettingsBackButtonAndTheSheetsCloseButtonSayTheyClose) {
    for (const Language& l : kLanguages) {
        SCOPED_TRACE(l.file);
        frmMain& m = start(l.file);
        frmSeaded& settings = app->window<frmSeaded>();
        // The button closes without saving: it must not read like one that keeps the changes.
        EXPECT_EQ(settings.cmdOK.caption(), l.close);
        for (const std::string& word : l.confirmations)
            EXPECT_NE(settings.cmdOK.caption(), word);
        EXPECT_NE(settings.cmdOK.caption(), settings.cmdSalvesta.caption());
        settings.unload();

        // The sheet's close button takes the same caption.
        checkSheet(m,
                   [&l](frmPrintPreview& sheet) { EXPECT_EQ(sheet.cmdSulge.caption(), l.close); });
    }
}

TEST_F(ShippedTextsTest, TheSettingsRowsNameWhatTheirFieldsHold) {
    for (const Language& l : kLanguages) {
        SCOPED_TRACE(l.file);
        start(l.file);
        frmSeaded& s = app->window<frmSeaded>();
        // The bark share is a fraction of the log volume, not a loose factor and not a percent.
        const std::string barkRow = s.lblSeadedLabelKoorKoefitsent.caption() + " " +
                                    s.txtKoefitsentKoorPalgist.text() + " " +
                                    s.lblSeadedLabelKoorKoefitsent2.caption();
        EXPECT_FALSE(contains(barkRow, l.looseWord)) << barkRow;
        EXPECT_FALSE(contains(s.lblSeadedLabelKoorKoefitsent.caption(), "%")) << barkRow;
        EXPECT_TRUE(contains(s.lblSeadedLabelKoorKoefitsent2.caption(), "0.08 = 8%")) << barkRow;
        // Costs per m3 of lumber and costs per month are told apart by their units.
        for (const Label* perM3 : {&s.lblSeadedLabelTootmiskulu, &s.lblSeadedLabelAmordikulu})
            EXPECT_TRUE(contains(perM3->caption(), "/m3")) << perM3->name();
        for (const Label* monthly :
             {&s.lblKuisedPysikuludKokkuCaption, &s.lblKuisedAmordikuludKokkuCaption}) {
            EXPECT_FALSE(contains(monthly->caption(), "/m3")) << monthly->name();
            EXPECT_TRUE(contains(monthly->caption(), "EUR")) << monthly->name();
        }
        EXPECT_NE(s.lblSeadedLabelAmordikulu.caption(),
                  s.lblKuisedAmordikuludKokkuCaption.caption());
        s.unload();
    }
}

TEST_F(ShippedTextsTest, TheSheetsSharesAndLogCostCarryTheirOwnUnits) {
    for (const Language& l : kLanguages) {
        SCOPED_TRACE(l.file);
        frmMain& m = start(l.file);
        checkSheet(m, [](frmPrintPreview& sheet) {
            // Beside the sawdust and chips shares of the log ("10.30%").
            for (const Label* share :
                 {&sheet.lblKKLabelSaepuruValjatulek, &sheet.lblKKLabelHakkeValjatulek}) {
                EXPECT_FALSE(contains(share->caption(), "m3")) << share->caption();
                EXPECT_TRUE(contains(share->caption(), "%")) << share->caption();
            }
            // The log cost per m3 of lumber is money per m3, and not the log's price.
            const std::string logCost = sheet.lblKKLabelPalgikuluHind.caption();
            EXPECT_TRUE(contains(logCost, "EUR/m3")) << logCost;
            EXPECT_FALSE(contains(logCost, "hind") || contains(logCost, "price")) << logCost;
        });
        // On the main window the same captions stand beside the same shares.
        EXPECT_TRUE(contains(m.lblKKLabelSaepuruValjatulek.caption(), "%"));
        EXPECT_EQ(m.lblKKLabelSaepuruValjatulek.top(), m.lblvaljatulekpuruprotsent.top());
        EXPECT_EQ(m.lblKKLabelHakkeValjatulek.top(), m.lblvaljatulekhakeprotsent.top());
    }
}

TEST_F(ShippedTextsTest, TheSheetsRawMaterialLineNamesTheLevelOfItsFigure) {
    for (const Language& l : kLanguages) {
        SCOPED_TRACE(l.file);
        frmMain& m = start(l.file);
        checkSheet(m, [&m](frmPrintPreview& sheet) {
            // The sheet shows the ability to pay at EBIT level, under the EBIT margin and
            // EBITDA: its line says which of the main window's two figures it is.
            const std::string line = sheet.lblKKLabelLogATP.caption();
            EXPECT_TRUE(contains(line, "(EBIT)")) << line;
            EXPECT_FALSE(contains(line, "EBITDA")) << line;
            EXPECT_EQ(sheet.lblrawmaterialATP.caption(), m.lblRawATPEBIT.caption());
        });
    }
}

}  // namespace
}  // namespace lumbrix
