// Message boxes name their buttons in the program's language: Qt brings no Estonian words of
// its own, so an Estonian program would otherwise ask in Estonian and answer in English.
#include <gtest/gtest.h>

#include <QAbstractButton>
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

class MessageButtonsViewTest : public test::ShownMainWindowTest {};

TEST_F(MessageButtonsViewTest, TheNewPatternQuestionAnswersInTheProgramsLanguage) {
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
