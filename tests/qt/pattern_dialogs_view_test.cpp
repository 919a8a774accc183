// The save and open dialogs on the Qt desktop: the main window's Save and Open show them
// modally over it, Enter in the name box saves, and a double-click in the file list opens.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <utility>

#include "patterns/frm_ava_kava.h"
#include "patterns/frm_salvesta_uus_kava.h"
#include "shown_main_window.h"
#include "store/frm_main_sub.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

class PatternDialogsView : public test::InstalledAppTest {
  protected:
    void SetUp() override {
        prepareFolder(false);
        fs::create_directories(folder / "my_patterns");
        startApp();
        loadMainWindow();  // no profile: what the update needs is set here
        frmMainSub& sub = app->window<frmMainSub>();
        for (auto [field, value] : {std::pair{&sub.txtKetas1saag, "5"},
                                    {&sub.txtKetas2saag, "4"},
                                    {&sub.txtKappimineSydmat, "100"},
                                    {&sub.txtKappimineLauad, "100"},
                                    {&sub.txtPalgimahukoefitsent, "0.95"},
                                    {&sub.txtKuisedPysikuludKokku, "1000"},
                                    {&sub.txtKuisedAmordikuludKokku, "500"},
                                    {&sub.txtKuineTootmismaht, "100"},
                                    {&sub.txtCE, "2000"}}) {
            *field = value;
        }
        m->lstPalgiHinnad.addItem("010 - 600  50.00  1");
        m->show();
        mainWindow = desktop->windowOf(*m);
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow));
    }
    template <class W = QWidget>
    static W* widget(qt::FormWindow& window, const Control& c) {
        return qobject_cast<W*>(window.view()->widgetOf(c));
    }
    // Runs `action` in the dialog's window once its modal loop runs.
    void whenShown(const Form& dialog, std::function<void(qt::FormWindow&)> action) {
        QTimer::singleShot(0, [this, &dialog, action] {
            qt::FormWindow* window = desktop->windowOf(dialog);
            ASSERT_NE(window, nullptr) << dialog.name() << " was not shown";
            EXPECT_EQ(window->parentWidget(), mainWindow) << "modal over the main window";
            action(*window);
        });
    }
    // Presses Open on the main window and runs `action` on the open dialog and its file list
    // once the dialog's modal loop runs.
    void openWithFiles(std::function<void(frmAvaKava&, qt::FormWindow&, QListWidget&)> action) {
        QTimer::singleShot(0, [this, action] {
            frmAvaKava* dialog = app->loadedWindow<frmAvaKava>();
            ASSERT_NE(dialog, nullptr);
            whenShown(*dialog, [dialog, action](qt::FormWindow& w) {
                auto* files = widget<QListWidget>(w, dialog->File1);
                ASSERT_NE(files, nullptr);
                action(*dialog, w, *files);
            });
        });
        QTest::mouseClick(widget(*mainWindow, m->cmdAvaKava), Qt::LeftButton);
    }
    // Clicks and double-clicks a row of a file list, as the planner opens the file.
    static void doubleClickRow(QListWidget& files, int index) {
        const QRect row = files.visualItemRect(files.item(index));
        QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(files.viewport(), Qt::LeftButton, {}, row.center());
    }

    qt::FormWindow* mainWindow = nullptr;
};

TEST_F(PatternDialogsView, EnterInTheNameBoxSaves) {
    m->lstSyda.addItem("50.000x150.00  52.000x156.00   5100     0.040     247.8");
    bool shown = false;
    QTimer::singleShot(0, [&] {
        frmSalvestaUusKava* dialog = app->loadedWindow<frmSalvestaUusKava>();
        ASSERT_NE(dialog, nullptr);
        whenShown(*dialog, [&, dialog](qt::FormWindow& w) {
            shown = true;
            auto* name = widget<QLineEdit>(w, dialog->txtfailinimi);
            ASSERT_NE(name, nullptr);
            name->selectAll();
            QTest::keyClicks(name, "Typed");
            QTest::keyClick(name, Qt::Key_Return);
        });
    });
    QTest::mouseClick(widget(*mainWindow, m->cmdSalvestaUusKava), Qt::LeftButton);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(fs::exists(folder / "my_patterns" / "Typed.kava"));
    EXPECT_EQ(m->lblSaekavanimi.caption(), "Typed");
    EXPECT_FALSE(app->isLoaded<frmSalvestaUusKava>());
}

TEST_F(PatternDialogsView, ADoubleClickInTheFileListOpensThePattern) {
    folder.writeFile(
        "my_patterns/Saved.kava",
        "[Saekava]\r\nsyda0=50.000x150.00  52.000x156.00   5100     0.040     247.8\r\n"
        "[Palk]\r\npalgidiameeter=220\r\npalgikoone=8\r\npalgipikkus=5200\r\n");
    folder.writeFile("my_patterns/Other.KAVA", "[Info]\r\n");
    folder.writeFile("my_patterns/notes.rtf", "{\\rtf1 x\\par}");
    m->lblSaekavanimi.setCaption("Named");
    openWithFiles([](frmAvaKava&, qt::FormWindow&, QListWidget& files) {
        ASSERT_EQ(files.count(), 2) << "pattern files only, in any letter case";
        EXPECT_EQ(files.item(1)->text(), "Saved.kava");
        doubleClickRow(files, 1);
    });
    EXPECT_EQ(m->lblSaekavanimi.caption(), "Saved.kava");
    EXPECT_EQ(m->txtPalk.text(), "220");
    EXPECT_EQ(m->lstSyda.listCount(), 1);
    EXPECT_FALSE(app->isLoaded<frmAvaKava>());
}

TEST_F(PatternDialogsView, ADamagedPatternIsRefusedInABoxThatNamesTheFile) {
    folder.writeFile(
        "my_patterns/Broken.kava",
        "[Saekava]\r\nsyda0=50.000x150.00  52.000x156.00   5100     0.040     247.8\r\n"
        "[Palk]\r\npalgidiameeter=abc\r\npalgikoone=8\r\npalgipikkus=5200\r\n");
    const std::string board = "47.000x125.00  49.000x130.00   5100     0.030     230.0";
    m->lstSyda.addItem(board);
    m->lblSaekavanimi.setCaption("Named");
    // Every box shown is answered; the first one is kept.
    QString shown;
    const test::BoxAnswerer boxes([&shown](QMessageBox& box) {
        if (shown.isEmpty()) shown = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    openWithFiles([](frmAvaKava& dialog, qt::FormWindow& w, QListWidget& files) {
        ASSERT_EQ(files.count(), 1);
        doubleClickRow(files, 0);
        EXPECT_TRUE(dialog.isLoaded()) << "the dialog stays open";
        QTest::mouseClick(widget(w, dialog.cmdTyhista), Qt::LeftButton);
    });
    const std::string path = (folder / "my_patterns" / "Broken.kava").string();
    EXPECT_EQ(shown.toStdString(),
              "Error opening the pattern file!\n" + path +
                  "\nThe log diameter (palgidiameeter) \"abc\" is not a number from 10 to 600.");
    EXPECT_EQ(m->lblSaekavanimi.caption(), "Named");
    EXPECT_EQ(m->lstSyda.rows(), std::vector<std::string>{board});
    EXPECT_EQ(m->txtPalk.text(), "200");
}

}  // namespace
}  // namespace lumbrix
