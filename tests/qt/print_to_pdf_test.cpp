// The pattern sheet and the calculations report on the Qt desktop: the sheet's tool buttons
// take the planner's clicks where they touch other controls, and real printing offscreen,
// each window printed through the printer dialog into a PDF file, then read back as text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "patterns/frm_arvutused.h"
#include "patterns/frm_print_preview.h"
#include "platform/text.h"
#include "shown_main_window.h"

namespace lumbrix {
namespace {

using test::pdfText;

long pages(const std::string& text) {
    return static_cast<long>(std::count(text.begin(), text.end(), '\f'));
}

// The blank-separated words of a text: a figure is on the page when one of them is the figure
// (a price "0.00" must not be found inside a size "100.00").
std::set<std::string> words(const std::string& text) {
    std::set<std::string> found;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        found.insert(word);
    return found;
}

class PrintToPdf : public test::InstalledAppTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        InstalledAppTest::SetUp();
        loadMainWindow();
        m->tmr_Startup_Timer();  // the shipped profile: settings and log prices
        test::fillFullPattern(*m);
        m->lblSaekavanimi.setCaption("Kuusk 8x100");
    }
    // The next printer dialog is confirmed as the planner would, printing into `file`.
    QString printInto(const char* file) {
        const QString path = dir.filePath(file);
        test::printNextInto(*desktop, path);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(PrintToPdf, TheSheetOfAFullPatternPrintsOnOnePageWithoutItsToolButtons) {
    ASSERT_FALSE(m->lblmargintotal.caption().empty());
    const QString file = printInto("sheet.pdf");
    m->cmdPrindi.press();
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>());
    const std::string text = pdfText(file);
    EXPECT_EQ(pages(text), 1) << text;
    EXPECT_NE(text.find("Kuusk 8x100"), std::string::npos) << text;
    EXPECT_NE(text.find("32.000x100.00"), std::string::npos) << "a board row";
    EXPECT_NE(text.find("19.000x75.000"), std::string::npos) << "the last edger row";
    EXPECT_NE(text.find(m->lblmargintotal.caption()), std::string::npos) << "the margin";
    EXPECT_EQ(text.find("Close"), std::string::npos) << "a tool button on paper";
}

TEST_F(PrintToPdf, TheReportPrintsOnOnePageWithItsResultAndWithoutItsButtons) {
    frmArvutused& report = app->window<frmArvutused>();
    const QString file = printInto("report.pdf");
    report.cmd_print.press();
    EXPECT_TRUE(report.cmd_print.visible());
    const std::string text = pdfText(file);
    EXPECT_EQ(pages(text), 1) << text;
    EXPECT_NE(text.find("Kuusk 8x100"), std::string::npos) << text;
    EXPECT_NE(text.find(report.txtTulemTotal.text()), std::string::npos) << "the result";
    EXPECT_NE(text.find(report.txtKuluTotal.text()), std::string::npos) << "the cost total";
    EXPECT_EQ(text.find(report.cmdExit.caption()), std::string::npos) << "a button on paper";
    report.unload();
}

// The money figures of the sheet's margin frame and the prices of the board rows.
std::vector<std::string> moneyFigures(const frmPrintPreview& s) {
    std::vector<std::string> figures = {"210.0", "180.0", "160.0"};
    for (const Label* l :
         {&s.lblsaekavahind, &s.lblMarginPuru, &s.lblMarginHake, &s.lblMarginKoor,
          &s.lblPalgikuluHind, &s.lblmargintotal, &s.lblmargintotalEBITDA, &s.lblrawmaterialATP,
          &s.lblNETrawmaterial, &s.lbltootmiskulu, &s.lblamordikulu})
        figures.push_back(l->caption());
    return figures;
}

// Printed from the preview with the money figures shown and then hidden: shown, every figure is
// on the page; hidden, none is, not even under the blank box over the price column, while the
// boards' sizes, lengths and volumes still are.
TEST_F(PrintToPdf, HiddenMoneyFiguresAreLeftOffThePrintedPage) {
    for (bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden" : "shown");
        frmPrintPreview& sheet = app->window<frmPrintPreview>();
        const std::vector<std::string> figures = moneyFigures(sheet);
        if (hidden) sheet.cmdHide.press();
        const QString file = printInto(hidden ? "hidden.pdf" : "shown.pdf");
        sheet.cmdPrindi.press();
        ASSERT_FALSE(app->isLoaded<frmPrintPreview>());
        const std::string text = pdfText(file);
        const std::set<std::string> onPage = words(text);
        for (const std::string& figure : figures) {
            ASSERT_FALSE(figure.empty());
            EXPECT_EQ(onPage.count(figure), hidden ? 0u : 1u) << figure << "\n" << text;
        }
        for (const char* kept : {"32.000x100.00", "19.000x75.000", "4800", "0.017"})
            EXPECT_EQ(onPage.count(kept), 1u) << kept;
    }
}

// On screen the preview's lists lose the prices when the figures are hidden and get them
// back when they are shown again.
TEST_F(PrintToPdf, ThePreviewHidesTheBoardPricesOnScreen) {
    frmPrintPreview& sheet = app->window<frmPrintPreview>();
    qt::FormWindow* window = shownWindow(sheet);
    ASSERT_NE(window, nullptr);
    auto* centre = qobject_cast<QListWidget*>(window->view()->widgetOf(sheet.lstSyda));
    auto* edger = qobject_cast<QListWidget*>(window->view()->widgetOf(sheet.lstSeimerYleval));
    ASSERT_TRUE(centre && edger);
    for (bool hidden : {true, false}) {
        QTest::mouseClick(window->view()->widgetOf(sheet.cmdHide), Qt::LeftButton);
        ASSERT_EQ(centre->count(), 8);
        ASSERT_EQ(edger->count(), 2);
        for (const auto& [list, price] : {std::pair{centre, "210.0"}, std::pair{edger, "180.0"}}) {
            const QString row = list->item(0)->text();
            EXPECT_EQ(row.contains(price), !hidden) << row.toStdString();
            EXPECT_TRUE(row.contains("4800")) << row.toStdString();
        }
        EXPECT_EQ(window->view()->widgetOf(sheet.frmSaekavaMarginalCaption)->isVisible(), !hidden);
    }
    sheet.unload();
}

// The pattern name prints whole: the proposed names of two patterns of one log differ only
// after the blank that follows the centre board's sizes.
TEST_F(PrintToPdf, TheSheetPrintsThePatternNameWhole) {
    for (const char* name :
         {"LUMBRIX_200_50.000x125.00 _2ex.kava", "LUMBRIX_200_50.000x125.00 _3ex.kava"}) {
        SCOPED_TRACE(name);
        m->lblSaekavanimi.setCaption(name);
        frmPrintPreview& sheet = app->window<frmPrintPreview>();
        qt::FormWindow* window = shownWindow(sheet);
        ASSERT_NE(window, nullptr);
        auto* label = qobject_cast<QLabel*>(window->view()->widgetOf(sheet.lblPPLabelSaekavanimi));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), name);
        EXPECT_FALSE(label->wordWrap()) << "one line";

        const QString file = printInto("named.pdf");
        sheet.cmdPrindi.press();
        const std::string text = pdfText(file);
        const std::string tail = Mid(name, 27);  // "_2ex.kava"
        const std::size_t at = text.find(tail);
        ASSERT_NE(at, std::string::npos) << text;
        const std::size_t lineStart = text.rfind('\n', at) + 1;
        EXPECT_NE(text.substr(lineStart, at - lineStart).find("LUMBRIX_200_50.000x125.00"),
                  std::string::npos)
            << "the whole name on one line: " << text;
    }
}

// The preview's notes on screen: a selection keeps every character's style as it prints, and
// the B, I and U buttons show the style of the selection or at the caret, also right after
// one of them was pressed.
TEST_F(PrintToPdf, ThePreviewsNotesShowTheirStylesAndTheButtonsTheStyleAtTheCaret) {
    frmPrintPreview& sheet = app->window<frmPrintPreview>();
    qt::FormWindow* window = shownWindow(sheet);
    ASSERT_NE(window, nullptr);
    auto* notes = qobject_cast<QTextEdit*>(window->view()->widgetOf(sheet.txtKavaNotes));
    ASSERT_NE(notes, nullptr);
    RichTextBox& model = sheet.txtKavaNotes;
    model.setText("saag ja kant");
    model.select(8, 4);
    model.setSelBold(true);
    model.setSelUnderline(true);
    model.select(0, 0);
    qt::FormView::refreshAll();

    // The bold and underline of each character as the screen shows it.
    const auto shown = [notes] {
        std::string styles;
        for (int i = 1; i <= notes->document()->characterCount() - 1; ++i) {
            QTextCursor at(notes->document());
            at.setPosition(i);  // the format of the character before the position
            const QTextCharFormat f = at.charFormat();
            styles += f.fontWeight() == QFont::Bold ? (f.fontUnderline() ? 'X' : 'B')
                                                    : (f.fontUnderline() ? 'U' : '.');
        }
        return styles;
    };
    const auto marked = [&](const CommandButton& b) {
        const QWidget* w = window->view()->widgetOf(b);
        const QColor colour = w->palette().color(QPalette::Active, QPalette::Button);
        if (colour == QColor(255, 128, 0)) return true;
        EXPECT_EQ(colour, QApplication::palette(w).color(QPalette::Active, QPalette::Button))
            << b.name() << ": neither marked nor the button face";
        return false;
    };
    const auto click = [&](const CommandButton& b) {
        QTest::mouseClick(window->view()->widgetOf(b), Qt::LeftButton);
    };
    ASSERT_EQ(shown(), "........XXXX");

    // The planner selects the whole text from its start: the styles stay as they print.
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_Home);
    QTest::keyClick(notes, Qt::Key_End, Qt::ShiftModifier);
    ASSERT_EQ(model.selLength(), 12);
    EXPECT_EQ(shown(), "........XXXX") << "a selection shows every character's own style";
    EXPECT_FALSE(marked(sheet.cmdBold)) << "a mixed selection";

    const struct {
        const CommandButton& button;
        const char* after;
        bool bold, underline;  // the buttons marked
    } presses[] = {
        {sheet.cmdBold, "BBBBBBBBXXXX", true, false},
        {sheet.cmdUnderline, "XXXXXXXXXXXX", true, true},
        {sheet.cmdBold, "UUUUUUUUUUUU", false, true},
        {sheet.cmdUnderline, "............", false, false},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.after);
        click(p.button);
        EXPECT_EQ(shown(), p.after);
        std::string held;
        for (const CharFormat& f : model.formats())
            held += f.bold ? (f.underline ? 'X' : 'B') : (f.underline ? 'U' : '.');
        EXPECT_EQ(held, p.after) << "the model, which prints, holds what the screen shows";
        EXPECT_EQ(marked(sheet.cmdBold), p.bold);
        EXPECT_EQ(marked(sheet.cmdUnderline), p.underline);
        EXPECT_FALSE(marked(sheet.cmdItalic));
    }

    // At the caret: B pressed marks it at once, the next letter is typed bold, and the caret
    // moved into plain text unmarks it.
    QTest::keyClick(notes, Qt::Key_End);
    ASSERT_EQ(model.selLength(), 0);
    click(sheet.cmdBold);
    EXPECT_TRUE(marked(sheet.cmdBold)) << "the style at the caret";
    notes->setFocus();
    QTest::keyClicks(notes, "x");
    EXPECT_EQ(shown(), "............B");
    EXPECT_TRUE(marked(sheet.cmdBold));
    QTest::keyClick(notes, Qt::Key_Home);
    EXPECT_FALSE(marked(sheet.cmdBold)) << "the caret in plain text";
    sheet.unload();
}

// The widget that a click at the middle of `c`'s widget reaches.
bool clickReaches(qt::FormWindow& window, const Control& c, const Control& expected) {
    QWidget* shown = window.view()->widgetOf(c);
    QWidget* target = window.view()->widgetOf(expected);
    const QPoint at = window.mapFromGlobal(shown->mapToGlobal(shown->rect().center()));
    QWidget* hit = window.childAt(at);
    return hit == target || target->isAncestorOf(hit);
}

TEST_F(PrintToPdf, ThePreviewsButtonsLieOverTheNotesAndFiguresTheyTouch) {
    frmPrintPreview& sheet = app->window<frmPrintPreview>();
    qt::FormWindow* window = shownWindow(sheet);
    ASSERT_NE(window, nullptr);
    for (const CommandButton* b :
         {&sheet.cmdPrindi, &sheet.cmdSulge, &sheet.cmdBold, &sheet.cmdItalic, &sheet.cmdUnderline,
          &sheet.cmdHide, &sheet.cmdWordOrder})
        EXPECT_TRUE(clickReaches(*window, *b, *b)) << b->name();
    // Hidden figures: the blank box lies over the price column of the board lists.
    QTest::mouseClick(window->view()->widgetOf(sheet.cmdHide), Qt::LeftButton);
    ASSERT_TRUE(sheet.frmPrices.visible());
    EXPECT_TRUE(clickReaches(*window, sheet.frmPrices, sheet.frmPrices));
    sheet.unload();
}

}  // namespace
}  // namespace lumbrix
