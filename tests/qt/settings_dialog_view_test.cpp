// The settings dialog on screen: a spinner's up arrow raises its kerf, keys and pastes pass the
// fields' filters, and the click on Save that takes the focus from a cost field is not lost to
// the check that runs when the field is left.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "millsettings/frm_seaded.h"
#include "platform/ini_file.h"
#include "shown_main_window.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

class SettingsDialogView : public test::InstalledAppTest {
  protected:
    void SetUp() override {
        prepareFolder();
        folder.writeFile("database/LUMBRIX/settings",
                         "[SEADED]\r\nKetas1saag=5\r\nKuisedPysikuludKokku=1000\r\n"
                         "KuisedAmordikuludKokku=500\r\nYhikuMuutuvkulud=20\r\n"
                         "KuineTootmismaht=100\r\nCE=2000\r\n");
        startApp();
        app->window<frmMain>().lblValitudProfiil.setCaption("LUMBRIX");
        d = &app->window<frmSeaded>();
        d->show();
        qt::FormWindow* window = desktop->windowOf(*d);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        view = window->view();
    }
    void TearDown() override {
        if (app->isLoaded<frmSeaded>()) d->unload();
        InstalledAppTest::TearDown();
    }
    template <class W>
    W* widget(const Control& c) {
        return qobject_cast<W*>(view->widgetOf(c));
    }
    std::string stored(const char* key) {
        return readProfileString(folder / "database/LUMBRIX/settings", "SEADED", key, "none");
    }
    // Clicks into a field and erases its text with the keys; the field's widget.
    QLineEdit* emptied(TextBox& field) {
        auto* edit = widget<QLineEdit>(field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        return edit;
    }
    // Types `keys` at the end of a field that has the focus.
    void typeAtEnd(TextBox& field, const char* keys) {
        auto* edit = widget<QLineEdit>(field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, keys);
    }

    frmSeaded* d = nullptr;
    qt::FormView* view = nullptr;
};

TEST_F(SettingsDialogView, SpinnerKeysAndPastesReachTheFieldsAndSaveKeepsItsClick) {
    auto* spinner = widget<QScrollBar>(d->vs1saag);
    ASSERT_NE(spinner, nullptr);
    spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
    EXPECT_EQ(d->txtKetas1saag.text(), "6");
    EXPECT_EQ(widget<QLineEdit>(d->txtKetas1saag)->text().toStdString(), "6");

    typeAtEnd(d->txtCE, "a.5");
    EXPECT_EQ(d->txtCE.text(), "2000.5");
    auto* trim = widget<QLineEdit>(d->txtKappimineSydmat);
    QTest::mouseClick(trim, Qt::LeftButton);
    QTest::keyClick(trim, Qt::Key_End);
    QGuiApplication::clipboard()->setText("7x");
    QTest::keyClick(trim, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d->txtKappimineSydmat.text(), "0");  // refused whole
    EXPECT_EQ(trim->text().toStdString(), "0");
    QGuiApplication::clipboard()->setText("75");
    QTest::keyClick(trim, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d->txtKappimineSydmat.text(), "075");

    // A 0 typed as the monthly volume is lifted as the focus leaves it for Save, which then
    // saves with one click.
    QTest::keyClicks(emptied(d->txtKuineTootmismaht), "0");
    EXPECT_EQ(d->txtKuineTootmismaht.text(), "0");
    QTest::mouseClick(widget<QPushButton>(d->cmdSalvesta), Qt::LeftButton);
    EXPECT_FALSE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(stored("KuineTootmismaht"), "0.1");
    EXPECT_EQ(stored("CE"), "2000.5");
    EXPECT_EQ(stored("Ketas1saag"), "6");
}

TEST_F(SettingsDialogView, AnEmptyCostLeftForSaveShowsOneBoxAndKeepsTheDialog) {
    QStringList boxes;
    const test::BoxAnswerer closer([&boxes](QMessageBox& box) {
        boxes << box.text();
        box.accept();
    });
    emptied(d->txtYhikuMuutuvkulud);
    QTest::mouseClick(widget<QPushButton>(d->cmdSalvesta), Qt::LeftButton);
    test::runEventLoop(100);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().startsWith("Please insert average costs"));
    EXPECT_TRUE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(stored("YhikuMuutuvkulud"), "20");
}

TEST_F(SettingsDialogView, AFocusLossBoxIsShownWhenTheFocusGoesWhereNoClickClosesTheDialog) {
    // Every box that shows is read and answered: No to a question, OK to anything else.
    QStringList boxes;
    const test::BoxAnswerer closer([&boxes](QMessageBox& box) {
        boxes << box.text();
        if (QAbstractButton* no = box.button(QMessageBox::No)) {
            no->click();
        } else {
            box.accept();
        }
    });
    const QString costsHelp =
        "Please insert average costs to calculate costs for 1 m3 of timber "
        "productions.";
    const QString barkHint =
        "To insert bark yield % please use format 0.00:\r\nExample: 10% = 0.10 and 8% = 0.08";
    auto* variable = widget<QLineEdit>(d->txtYhikuMuutuvkulud);
    // The dialog's window is active again once a box has closed, so focus moves as it does.
    auto activateDialog = [&] {
        qt::FormWindow* window = desktop->windowOf(*d);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    };

    // A click on a stepper: the step, then the box.
    emptied(d->txtYhikuMuutuvkulud);
    QTest::mouseClick(widget<QPushButton>(d->cmdHakePluss), Qt::LeftButton);
    test::runEventLoop(100);
    EXPECT_EQ(boxes, QStringList{costsHelp});
    EXPECT_EQ(d->txtKoefitsentHake.text(), "0.01");

    // Tab from the bark share lands on the "?" beside it: the hint shows without a click.
    boxes.clear();
    activateDialog();
    typeAtEnd(d->txtKoefitsentKoorPalgist, "8");
    QTest::keyClick(widget<QLineEdit>(d->txtKoefitsentKoorPalgist), Qt::Key_Tab);
    EXPECT_EQ(d->activeControl(), &d->Command1);
    test::runEventLoop(100);
    EXPECT_EQ(boxes, QStringList{barkHint});

    // The log price door answered No: the dialog stays, and the box waiting comes.
    boxes.clear();
    activateDialog();
    emptied(d->txtYhikuMuutuvkulud);
    QTest::mouseClick(widget<QPushButton>(d->cmdLogPrice), Qt::LeftButton);
    test::runEventLoop(100);
    EXPECT_EQ(boxes,
              (QStringList{"All changed settings will not be saved! Open logprices?", costsHelp}));
    EXPECT_TRUE(app->isLoaded<frmSeaded>());

    // Save straight from a bark share above 1 shows the hint and keeps the dialog.
    boxes.clear();
    activateDialog();
    QTest::mouseClick(variable, Qt::LeftButton);
    QTest::keyClicks(variable, "20");
    typeAtEnd(d->txtKoefitsentKoorPalgist, "");
    QTest::mouseClick(widget<QPushButton>(d->cmdSalvesta), Qt::LeftButton);
    test::runEventLoop(100);
    EXPECT_EQ(boxes, QStringList{barkHint});
    EXPECT_TRUE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(stored("KoefitsentKoorPalgist"), "none");
}

}  // namespace
}  // namespace lumbrix
