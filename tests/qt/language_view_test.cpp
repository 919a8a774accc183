// The shown program speaks one language: the main window's own captions on screen, and the
// message boxes' buttons, which Qt would otherwise name in English whatever the question.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <string>

#include "localisation/main_caption_table.h"
#include "platform/event_runtime.h"
#include "shown_main_window.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

using test::whenShown;

// A button's words without the marker of its access key.
std::string shown(const QAbstractButton* button) {
    return button->text().remove(QLatin1Char('&')).toStdString();
}

class LanguageViewTest : public test::ShownMainWindowTest {};

TEST_F(LanguageViewTest, TheMainWindowsOwnCaptionsShowInTheChosenLanguage) {
    struct Case {
        const char* language;
        const char* centre;
        const char* header;
        const char* revenue;
        const char* headerFrame;
    };
    const Case cases[] = {
        {"eesti.keel", "Keskele", "Päis", "Tulud", "Kava päis"},
        {"english.keel", "Centre", "Header", "Revenue", "Pattern header"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        applyLanguageFile(*app, folder / "language", c.language);
        qt::FormView::refreshAll();
        EXPECT_EQ(widget<QAbstractButton>(m->cmdCenter)->text().toStdString(), c.centre);
        EXPECT_EQ(widget<QAbstractButton>(m->cmdKavaLisainfoShow)->text().toStdString(), c.header);
        EXPECT_EQ(widget<QLabel>(m->lblKKLabelTulud)->text().toStdString(), c.revenue);
        EXPECT_EQ(widget<QGroupBox>(m->frmLisaInfo)->title().toStdString(), c.headerFrame);
    }
}

TEST_F(LanguageViewTest, TheNewPatternQuestionAnswersInTheProgramsLanguage) {
    struct Case {
        const char* language;
        const char* question;
        const char* yes;
        const char* no;
        const char* cancel;
    };
    const Case cases[] = {
        {"eesti.keel", "Kas salvestame loodud kava?", "Jah", "Ei", "Loobu"},
        {"english.keel", "Will save this pattern?", "Yes", "No", "Cancel"},
        {"eesti.keel", "Kas salvestame loodud kava?", "Jah", "Ei", "Loobu"},
    };
    placeCentreBoards(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        applyLanguageFile(*app, folder / "language", c.language);
        bool asked = false;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            asked = true;
            EXPECT_EQ(box.text().toStdString(), c.question);
            EXPECT_EQ(shown(box.button(QMessageBox::Yes)), c.yes);
            EXPECT_EQ(shown(box.button(QMessageBox::No)), c.no);
            EXPECT_EQ(shown(box.button(QMessageBox::Cancel)), c.cancel);
            box.button(QMessageBox::Cancel)->click();
        });
        m->cmdUusKava.press();
        EXPECT_TRUE(asked);
        EXPECT_EQ(m->lstSyda.listCount(), 1);  // Cancel kept the pattern

        // A box with one button says OK in either language.
        whenShown<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(shown(box.button(QMessageBox::Ok)), "OK");
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(runtime::msgBox("x", mb::kOkOnly | mb::kInformation), MsgResult::Ok);
    }
}

}  // namespace
}  // namespace lumbrix
