// The printed pattern sheet as the paper shows it: the page the printer wrote as a PDF file,
// rendered to pixels. The notes print whole, in their styles, whatever the planner selected in
// them, and no selection or caret reaches the paper. The clock is fixed, so that two prints of
// one sheet are the same page pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <memory>
#include <string>

#include "command_output.h"
#include "patterns/frm_print_preview.h"
#include "shown_main_window.h"

namespace lumbrix {
namespace {

constexpr const char* kNotes = "Saag ja kant\r\nTeine rida";
constexpr int kWordStart = 8;  // "kant"

// The Qt desktop with its clock stopped: the sheet's date and time labels come out the same at
// every print.
class StoppedClockDesktop : public qt::QtDesktop {
  public:
    CalendarDate now() override { return {2026, 12, 5, 9, 5, 7}; }
};

// The page of a one-page PDF file in pixels, read back from the distribution's PDF renderer.
QImage renderedPage(const QString& pdf) {
    const QString stem = pdf + "-page";
    test::commandOutput("pdftoppm -r 75 -png -singlefile '" + pdf.toStdString() + "' '" +
                        stem.toStdString() + "' 2>&1");
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

class PrintedPage : public test::InstalledAppTest,
                    public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        prepareFolder();
        desktop = std::make_unique<StoppedClockDesktop>();
        app = std::make_unique<Application>(*desktop, folder.path());
        loadFullPatternIn(GetParam());
        m->txtKavaNotes.setText(kNotes);
    }

    // Prints the sheet from its preview as the planner does: the notes' word "kant" chosen by a
    // double click, styled bold and underlined with the sheet's buttons when `styled`, then the
    // caret moved off it, or, when `keepSelection`, the date field's text selected too, and the
    // sheet's Print button clicked.
    QImage printedFromPreview(const char* file, bool styled, bool keepSelection) {
        frmPrintPreview& sheet = app->window<frmPrintPreview>();
        qt::FormWindow* window = shownWindow(sheet);
        if (!window) return {};
        qt::FormView& view = *window->view();
        auto* notes = qobject_cast<QTextEdit*>(view.widgetOf(sheet.txtKavaNotes));
        EXPECT_NE(notes, nullptr);
        if (!notes) return {};
        QTextCursor word(notes->document());
        word.setPosition(kWordStart + 1);
        QTest::mouseDClick(notes->viewport(), Qt::LeftButton, {}, notes->cursorRect(word).center());
        EXPECT_EQ(sheet.txtKavaNotes.selStart(), kWordStart);
        EXPECT_EQ(sheet.txtKavaNotes.selLength(), 4) << "the word chosen";
        if (styled) {
            for (const CommandButton* style : {&sheet.cmdBold, &sheet.cmdUnderline})
                QTest::mouseClick(view.widgetOf(*style), Qt::LeftButton);
        }
        if (keepSelection) {
            // The date field's text selected as well.
            sheet.txtKavaKuupaev.setSelStart(0);
            sheet.txtKavaKuupaev.setSelLength(5);
            qt::FormView::refreshAll();
        } else {
            QTest::keyClick(notes, Qt::Key_End);
        }
        EXPECT_EQ(sheet.txtKavaNotes.selLength() > 0, keepSelection);
        const QString path = dir.filePath(file);
        test::printNextInto(*desktop, path);
        QTest::mouseClick(view.widgetOf(sheet.cmdPrindi), Qt::LeftButton);
        EXPECT_FALSE(app->isLoaded<frmPrintPreview>()) << "printed and gone";
        return renderedPage(path);
    }

    // The direct print of the main window's Print button, with the main window's notes word
    // "kant" selected or the caret at the notes' start.
    QImage printedDirectly(const char* file, bool selectedInMain) {
        m->txtKavaNotes.select(kWordStart, selectedInMain ? 4 : 0);
        const QString path = dir.filePath(file);
        test::printNextInto(*desktop, path);
        m->cmdPrindi.press();
        return renderedPage(path);
    }

    QTemporaryDir dir;
};

// The page of a preview whose styled word is still selected is the page whose caret was moved
// off it: every character in its own style, no highlight and no caret. The style reaches the
// paper: the same notes without it print differently.
TEST_P(PrintedPage, FromThePreviewTheNotesPrintWholeWhateverIsSelected) {
    const QImage caretOnly = printedFromPreview("caret.pdf", true, false);
    const QImage selected = printedFromPreview("selected.pdf", true, true);
    const QImage plain = printedFromPreview("plain.pdf", false, true);
    ASSERT_FALSE(caretOnly.isNull()) << "no page rendered";
    ASSERT_EQ(selected.size(), caretOnly.size());
    EXPECT_TRUE(selected == caretOnly) << "the selection changed the printed page";
    EXPECT_FALSE(plain == caretOnly) << "bold and underline are missing from the page";
}

TEST_P(PrintedPage, TheDirectPrintIsTheSameWithTheMainWindowsNotesSelected) {
    const QImage caretOnly = printedDirectly("caret.pdf", false);
    const QImage selected = printedDirectly("selected.pdf", true);
    m->txtKavaNotes.setText("");
    const QImage noNotes = printedDirectly("empty.pdf", false);
    ASSERT_FALSE(caretOnly.isNull()) << "no page rendered";
    EXPECT_TRUE(selected == caretOnly) << "a selection in the main window reached the paper";
    EXPECT_FALSE(noNotes == caretOnly) << "the notes are missing from the page";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PrintedPage,
                         ::testing::Values("eesti.keel", "english.keel"),
                         [](const ::testing::TestParamInfo<const char*>& language) {
                             return std::string(language.param) == "eesti.keel" ? "Estonian"
                                                                                : "English";
                         });

}  // namespace
}  // namespace lumbrix
