// The pattern sheet: what it copies from the main window, its toggles and the notes' styles.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "millsettings/frm_seaded.h"
#include "print_fixture.h"
#include "store/frm_main_sub.h"

namespace lumbrix {
namespace {

using test::PrintTest;

class Sheet : public PrintTest {};

bool sameGeometry(const Control& a, const Control& b) {
    return a.left() == b.left() && a.top() == b.top() && a.width() == b.width() &&
           a.height() == b.height();
}

TEST_F(Sheet, CopiesTheHeaderFiguresListsAndDrawingOfTheMainWindowAtItsZoom) {
    buildPattern(3);
    app->window<frmSeaded>();  // a settings window left loaded, then the file moves on
    writeProfileCosts("1000", "500", "20", "100");  // 30 and 5 per m3
    frmMain& m = main();
    store().txtKuluTootmine = "99";  // a store the file has moved on from
    store().lblKKLabelLogATP = "Raw material ATP";
    m.Command2.press();  // zoom in before the sheet is made
    m.txtKavaKuupaev.setText("01.02.26");
    m.txtKavaKoostaja.setText("Mari");
    m.txtKavaNotes.setText("Kuivatada enne");
    m.txtKavaNotes.select(0, 5);
    m.txtKavaNotes.setSelBold(true);
    m.setCaption("LUMBRIX - v3.0");
    m.mnuSaekavaEelvaade.setCaption("Eelvaade");
    desktop.setNow({2026, 12, 5, 9, 5, 7});
    std::vector<std::string> settingsTexts;  // the settings dialog's captions on the sheet
    openPreview([&](frmPrintPreview& s) {
        settingsTexts = {s.lblPPlabelTootmiskulu.caption(), s.lblPPlabelAmordikulu.caption(),
                         s.cmdSulge.caption()};
        EXPECT_EQ(s.caption(), "Eelvaade");
        EXPECT_EQ(s.top(), 0);
        EXPECT_EQ(s.lbldate.caption(), "05.12.2026 ,");
        EXPECT_EQ(s.lbltime.caption(), "09:05:07");
        EXPECT_EQ(s.lblProgramNameVer.caption(), "LUMBRIX - v3.0");
        EXPECT_EQ(s.lblPPLabelSaekavanimi.caption(), "  UNNAMED");
        EXPECT_EQ(s.lblKKLabelTookask.caption(), "WORKORDER NR:");
        EXPECT_EQ(s.lblProfiil.caption(), "LUMBRIX");
        EXPECT_EQ(s.txtPalk.text(), "400");
        EXPECT_EQ(s.lblPalgimaht.caption(), "0.702");
        EXPECT_EQ(s.txtKavaKuupaev.text(), "01.02.26");
        EXPECT_EQ(s.txtKavaKoostaja.text(), "Mari");
        EXPECT_EQ(s.txtKavaNotes.text(), "Kuivatada enne");
        EXPECT_EQ(s.txtKavaNotes.formats().front().bold, false) << "notes come over as plain";
        EXPECT_EQ(s.lbltootmiskulu.caption(), "30");
        EXPECT_EQ(s.lblamordikulu.caption(), "5");
        EXPECT_EQ(s.lblKKLabelLogATP.caption(), "Raw material ATP");
        EXPECT_EQ(s.lblrawmaterialATP.caption(), m.lblRawATPEBIT.caption());
        for (const auto& [copy, source] :
             {std::pair{&s.lblmargintotal, &m.lblmargintotal},
              std::pair{&s.lblsaekavahind, &m.lblsaekavahind},
              std::pair{&s.lblvaljatulek, &m.lblvaljatulek},
              std::pair{&s.lblKKPalgiDiameeter, &m.lblKKPalgiDiameeter},
              std::pair{&s.lblKKLabelSaematHind, &m.lblKKLabelSaematHind}}) {
            EXPECT_FALSE(source->caption().empty()) << source->name();
            EXPECT_EQ(copy->caption(), source->caption()) << copy->name();
        }
        EXPECT_EQ(s.frmSaekavaMarginalCaption.caption(), m.frmSaekavaMarginalCaption.caption());
        EXPECT_EQ(s.cmdPrindi.caption(), m.cmdPrindi.caption());

        EXPECT_DOUBLE_EQ(s.picBack.scaleWidth(), m.picBack.scaleWidth());
        EXPECT_DOUBLE_EQ(s.picBack.scaleHeight(), m.picBack.scaleHeight());
        // One zoom step of 50 in from the drawing's design scale of 465.772.
        EXPECT_DOUBLE_EQ(s.picBack.scaleHeight(), 415.772) << "the zoom came over";
        EXPECT_TRUE(sameGeometry(s.picLatv, m.picLatv));
        EXPECT_TRUE(sameGeometry(s.picTyygas, m.picTyygas));
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(s.picsyda[i].visible(), i < 3);
            EXPECT_TRUE(i >= 3 || sameGeometry(s.picsyda[i], m.picsyda[i]));
        }
        // The middle one of three centre boards, sawn 52 x 156, stands at the drawing's
        // centre (415.772 / 2), whatever the kerf between the boards.
        EXPECT_DOUBLE_EQ(s.picsyda[1].left(), 207.886 - 26);
        EXPECT_DOUBLE_EQ(s.picsyda[1].top(), 207.886 - 78);
        EXPECT_DOUBLE_EQ(s.picsyda[1].width(), 52);
        EXPECT_DOUBLE_EQ(s.picsyda[1].height(), 156);
        EXPECT_TRUE(s.pickylgvasak[0].visible() && !s.pickylgvasak[1].visible());
        EXPECT_TRUE(sameGeometry(s.pickylgvasak[0], m.pickylgvasak[0]));
        EXPECT_FALSE(s.pickylgparem[0].visible() || s.picseimerall[0].visible());
        EXPECT_EQ(s.lstSyda.rows(), m.lstSyda.rows());
        EXPECT_EQ(s.lstKylgVasak.rows(), m.lstKylgVasak.rows());
        EXPECT_EQ(s.lstSeimerYleval.rows(), m.lstSeimerYleval.rows());
        EXPECT_EQ(s.lstKylgParem.listCount(), 0);
    });
    EXPECT_FALSE(app->isLoaded<frmSeaded>()) << "the settings dialog was read and let go";
    const frmSeaded& settings = app->window<frmSeaded>();
    EXPECT_EQ(settingsTexts, (std::vector<std::string>{settings.lblSeadedLabelTootmiskulu.caption(),
                                                       settings.lblSeadedLabelAmordikulu.caption(),
                                                       settings.cmdOK.caption()}));
    EXPECT_EQ(m.lstSyda.listIndex(), 2) << "every main list ends on its last row";
    EXPECT_EQ(m.lstKylgVasak.listIndex(), 0);
    EXPECT_EQ(m.lstKylgParem.listIndex(), -1);
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>()) << "closed and discarded";
}

// The name as the sheet shows it, and the work-order label in the sheet's language whether the
// pattern is named or not.
TEST_F(Sheet, ThePatternNameAndTheWorkOrderLabelOfTheSheetsLanguage) {
    buildPattern(1);
    const struct {
        const char* name;
        bool estonian;
        const char* shown;
        const char* workOrder;
    } cases[] = {
        {" ", false, "  UNNAMED", "WORKORDER NR:"},
        {"", true, "  NIMETU", "TÖÖKÄSK NR:"},
        {"4", true, "  NIMETU", "TÖÖKÄSK NR:"},  // a comparison slot's digit
        {"Kuusk", true, "Kuusk", "TÖÖKÄSK NR:"},
        {"Kuusk", false, "Kuusk", "WORKORDER NR:"},
        // A proposed name, whole: the blank after the sizes cuts nothing off.
        {"LUMBRIX_200_50.000x125.00 _2ex.kava", true, "LUMBRIX_200_50.000x125.00 _2ex.kava",
         "TÖÖKÄSK NR:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        main().lblSaekavanimi.setCaption(c.name);
        main().lblValitudKeel.setCaption(c.estonian ? "eesti.keel" : "english.keel");
        openPreview([&](frmPrintPreview& s) {
            EXPECT_EQ(s.lblPPLabelSaekavanimi.caption(), c.shown);
            EXPECT_FALSE(s.lblPPLabelSaekavanimi.wordWrap()) << "the name on one line";
            EXPECT_EQ(s.lblKKLabelTookask.caption(), c.workOrder);
        });
    }
}

TEST_F(Sheet, TheMoneyFiguresToggleMovesTheNotesAndStyleButtons) {
    buildPattern();
    frmMain& m = main();
    // A row whose tail has moved (a three-digit length) loses its price as well.
    m.lstKylgVasak.addItem("22.000x100.00  24.000x104.00   480     0.001     180.0");
    openPreview([&m](frmPrintPreview& s) {
        struct Layout {
            bool money;
            double notesWidth, bold, italic, underline;
        };
        const Layout expected[] = {
            {false, 11055, 10410, 10665, 10920},
            {true, 5535, 4890, 5145, 5400},  // 15 twips of overlap gone after two presses
        };
        EXPECT_EQ(s.cmdBold.left(), 4920);
        EXPECT_EQ(s.cmdItalic.left(), 5160);
        for (const Layout& l : expected) {
            s.cmdHide.press();
            EXPECT_EQ(s.frmSaekavaMarginalCaption.visible(), l.money);
            EXPECT_EQ(s.frmPrices.visible(), !l.money);
            EXPECT_EQ(s.lblKKLabelSaematHind.visible(), l.money);
            EXPECT_EQ(s.txtKavaNotes.width(), l.notesWidth);
            EXPECT_EQ(s.cmdBold.left(), l.bold);
            EXPECT_EQ(s.cmdItalic.left(), l.italic);
            EXPECT_EQ(s.cmdUnderline.left(), l.underline);
            // Hidden, the board lists hold no price at all, not one under the blank box.
            const std::vector<std::string> pricesLeftOut(
                3, "50.000x150.00  52.000x156.00   4800     0.039");
            EXPECT_EQ(s.lstSyda.rows(), l.money ? m.lstSyda.rows() : pricesLeftOut);
            EXPECT_EQ(s.lstKylgVasak.rows(),
                      l.money ? m.lstKylgVasak.rows()
                              : (std::vector<std::string>{
                                    "22.000x100.00  24.000x104.00   4800     0.012",
                                    "22.000x100.00  24.000x104.00   480     0.001"}));
            EXPECT_EQ(
                s.lstSeimerYleval.rows(),
                l.money
                    ? m.lstSeimerYleval.rows()
                    : (std::vector<std::string>{"25.000x75.000  27.000x79.000   4800     0.010"}));
            EXPECT_EQ(s.lstKylgParem.listCount(), 0);
        }
        for (const auto& [shown, top] : {std::pair{true, 1575.0}, std::pair{false, 1365.0}}) {
            s.cmdWordOrder.press();
            EXPECT_EQ(s.frmWorkorder.visible(), shown);
            EXPECT_EQ(s.picBack.top(), top);
        }
    });
}

TEST_F(Sheet, StyleButtonsSetAStyleThroughoutAMixedSelectionAndMarkTheSelectionsStyles) {
    buildPattern();
    constexpr Color kMarked = 0x0080FF;
    openPreview([&](frmPrintPreview& s) {
        RichTextBox& notes = s.txtKavaNotes;
        const struct {
            CommandButton& button;
            std::optional<bool> (RichTextBox::*style)() const;
            void (RichTextBox::*set)(bool);
        } styles[] = {{s.cmdBold, &RichTextBox::selBold, &RichTextBox::setSelBold},
                      {s.cmdItalic, &RichTextBox::selItalic, &RichTextBox::setSelItalic},
                      {s.cmdUnderline, &RichTextBox::selUnderline, &RichTextBox::setSelUnderline}};
        for (const auto& st : styles) {
            SCOPED_TRACE(st.button.name());
            notes.setText("saag ja kant");
            notes.select(0, 4);
            (notes.*st.set)(true);
            notes.select(1, 2);
            EXPECT_EQ(st.button.backColor(), kMarked) << "the selection has the style";
            notes.select(0, 12);
            EXPECT_EQ((notes.*st.style)(), std::nullopt);
            EXPECT_EQ(st.button.backColor(), colors::kButtonFace) << "mixed";
            st.button.press();
            EXPECT_EQ((notes.*st.style)(), true) << "throughout";
            EXPECT_EQ(st.button.backColor(), kMarked) << "the style just set";
            st.button.press();
            EXPECT_EQ((notes.*st.style)(), false);
            EXPECT_EQ(st.button.backColor(), colors::kButtonFace);

            // At the caret: the press marks the style the next letters get.
            notes.select(12, 0);
            st.button.press();
            EXPECT_EQ(st.button.backColor(), kMarked) << "the style at the caret";
            notes.typeText("s");
            EXPECT_EQ((notes.*st.style)(), true);
            EXPECT_EQ(st.button.backColor(), kMarked);
            notes.select(3, 0);
            EXPECT_EQ(st.button.backColor(), colors::kButtonFace) << "the caret in plain text";
            for (const CommandButton* other : {&s.cmdBold, &s.cmdItalic, &s.cmdUnderline}) {
                if (other == &st.button) continue;
                EXPECT_EQ(other->backColor(), colors::kButtonFace) << other->name();
            }
        }
    });
}

TEST_F(Sheet, NothingToPrintWithoutCentreBoardsFromEveryCommand) {
    for (bool estonian : {false, true}) {
        main().lblValitudKeel.setCaption(estonian ? "eesti.keel" : "english.keel");
        for (auto* command : {&main().mnuSaekavaEelvaade, &main().mnuSaekavaPrindi}) {
            desktop.expectMessage(MsgResult::Ok);
            command->click();
            EXPECT_EQ(desktop.lastMessage().text,
                      estonian ? "Ei ole midagi printida!" : "Nothing to print!");
            EXPECT_EQ(desktop.lastMessage().title, "Info");
            EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
        }
        desktop.expectMessage(MsgResult::Ok);
        main().cmdPrindi.press();
    }
    EXPECT_TRUE(desktop.modalWindowsShown().empty());
    EXPECT_TRUE(desktop.printerDialogTitles().empty());
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>());
}

}  // namespace
}  // namespace lumbrix
