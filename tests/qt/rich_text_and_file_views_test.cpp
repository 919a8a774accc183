// The rich-text box and the drive, folder and file lists on screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <filesystem>
#include <fstream>

#include "shown_sample.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class RichTextAndFileViewsTest : public test::ShownSampleTest {};

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
    // A selection made in the widget is the model's; bold set on it shows.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form.rtbNotes.selLength(), 1);
    form.rtbNotes.setSelBold(true);
    qt::FormView::refreshAll();
    QTextCursor cursor(edit->document());
    cursor.setPosition(1);  // the format of the character before the cursor
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(2);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(RichTextAndFileViewsTest, FileAndFolderListsShowTheirModels) {
    const QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
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
    QListWidgetItem* compare = dirs->item(dirs->count() - 1);
    EXPECT_EQ(compare->text().trimmed(), "compare");
    // Opening a subfolder makes it the current folder.
    emit dirs->itemActivated(compare);
    EXPECT_EQ(fs::path(form.dirFolders.path()), root / "compare");
    EXPECT_EQ(dirs->item(dirs->count() - 1)->text().trimmed(), "compare");

    EXPECT_EQ(widget<QComboBox>(form.drvDrive)->currentText(), "/");
}

}  // namespace
}  // namespace lumbrix
