// The rich-text box and the drive, folder and file lists on screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <filesystem>
#include <fstream>

#include "shown_sample.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class RichTextAndFileViewsTest : public test::ShownSampleTest {
  protected:
    QTextCharFormat formatAt(QTextEdit* edit, int pos) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(pos + 1);  // the format of the character before the cursor
        return cursor.charFormat();
    }
};

TEST_F(RichTextAndFileViewsTest, TypingIntoARichTextBoxGoesThroughItsModel) {
    auto* edit = widget<QTextEdit>(form.rtbNotes);
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "c");
    EXPECT_EQ(form.rtbNotes.text(), "ab\r\nc");
    EXPECT_EQ(edit->toPlainText(), "ab\nc");
    EXPECT_EQ(form.events, Log(4, "rtbNotes_Change"));
    EXPECT_EQ(form.rtbNotes.selStart(), 5);  // CR LF counts two in the model

    // Backspace takes the whole line break with the character before it.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(form.rtbNotes.text(), "ab");

    // Moving the caret in the widget moves it in the model.
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(form.rtbNotes.selStart(), 0);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form.rtbNotes.selLength(), 1);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(form.rtbNotes.text(), "b");
}

TEST_F(RichTextAndFileViewsTest, RichTextStylesFromTheModelShow) {
    auto* edit = widget<QTextEdit>(form.rtbNotes);
    form.rtbNotes.setText("plain\r\nbold");
    form.rtbNotes.select(7, 4);
    form.rtbNotes.setSelBold(true);
    form.rtbNotes.select(0, 2);
    form.rtbNotes.setSelItalic(true);
    form.rtbNotes.setSelUnderline(true);
    qt::FormView::refreshAll();
    EXPECT_EQ(edit->toPlainText(), "plain\nbold");
    EXPECT_EQ(formatAt(edit, 6).fontWeight(), QFont::Bold);  // "b" of "bold" on screen
    EXPECT_NE(formatAt(edit, 4).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(edit, 1).fontItalic());
    EXPECT_TRUE(formatAt(edit, 1).fontUnderline());
    EXPECT_FALSE(formatAt(edit, 3).fontItalic());
    // The model's selection is the widget's.
    EXPECT_EQ(edit->textCursor().selectionStart(), 0);
    EXPECT_EQ(edit->textCursor().selectionEnd(), 2);
    // Typed text takes the model's typing format.
    form.rtbNotes.select(11, 0);
    qt::FormView::refreshAll();
    QTest::keyClicks(edit, "!");
    EXPECT_TRUE(form.rtbNotes.formats().back().bold);
}

TEST_F(RichTextAndFileViewsTest, FileAndFolderListsShowTheirModels) {
    const fs::path root = fs::temp_directory_path() / "lumbrix_qt_file_views";
    fs::remove_all(root);
    fs::create_directories(root / "compare");
    for (const char* name : {"b.kava", "a.kava", "notes.rtf"})
        std::ofstream(root / name) << "x";

    form.filFiles.setPattern("*.kava");
    form.filFiles.setPath(root.string());
    form.dirFolders.setPath(root.string());
    qt::FormView::refreshAll();

    auto* files = widget<QListWidget>(form.filFiles);
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(0)->text(), "a.kava");
    EXPECT_EQ(files->item(1)->text(), "b.kava");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, QPoint(10, 16 + 8));
    EXPECT_EQ(form.filFiles.fileName(), "b.kava");

    auto* dirs = widget<QListWidget>(form.dirFolders);
    ASSERT_EQ(dirs->count(), form.dirFolders.listCount());
    const int last = dirs->count() - 1;
    EXPECT_EQ(dirs->item(last)->text().trimmed(), "compare");
    // Opening a subfolder makes it the current folder.
    emit dirs->itemActivated(dirs->item(last));
    EXPECT_EQ(fs::path(form.dirFolders.path()), root / "compare");
    EXPECT_EQ(dirs->item(dirs->count() - 1)->text().trimmed(), "compare");

    auto* drives = widget<QComboBox>(form.drvDrive);
    ASSERT_EQ(drives->count(), 1);
    EXPECT_EQ(drives->currentText(), "/");
    fs::remove_all(root);
}

}  // namespace
}  // namespace lumbrix
