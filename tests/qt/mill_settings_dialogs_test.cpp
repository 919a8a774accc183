// The mill settings dialogs on screen: typed keys pass the log price editor's filters, a click
// on a row fills its entries, and the production volume dialog opens below the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>

#include "millsettings/frm_kulude_muutmine.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "shown_main_window.h"

namespace lumbrix {
namespace {

// The planner's settings of this test stay in its own folder.
class MillSettingsDialogs : public test::InstalledAppTest {
  protected:
    // Shows `form` without blocking and returns its view.
    qt::FormView* shown(Form& form) { return shownWindow(form)->view(); }
    template <class W>
    W* widget(qt::FormView* view, const Control& c) {
        return qobject_cast<W*>(view->widgetOf(c));
    }
};

TEST_F(MillSettingsDialogs, TheLogPriceEditorTakesTypedEntriesAndShowsItsRows) {
    frmPalgiHinnad& editor = app->window<frmPalgiHinnad>();
    qt::FormView* view = shown(editor);
    auto* list = widget<QListWidget>(view, editor.lstPalgiHinnad);
    const int shipped = list->count();
    ASSERT_GT(shipped, 0);

    QTest::keyClicks(widget<QLineEdit>(view, editor.txtpalgitasku), "9x");
    QTest::keyClicks(widget<QLineEdit>(view, editor.txtMinDiameeter), "7");
    QTest::keyClicks(widget<QLineEdit>(view, editor.txtMaxDiameeter), "8,");
    QTest::keyClicks(widget<QLineEdit>(view, editor.txtHind), "1a2.5");
    EXPECT_EQ(editor.txtHind.text(), "12.5");
    EXPECT_EQ(editor.txtpalgitasku.text(), "9");
    QTest::mouseClick(widget<QPushButton>(view, editor.cmdLisaHind), Qt::LeftButton);
    ASSERT_EQ(list->count(), shipped + 1);
    EXPECT_EQ(list->item(0)->text().toStdString(), "007 - 008  12.50  9");
    EXPECT_EQ(widget<QPushButton>(view, editor.cmdTagasi)->text().toStdString(), "Save");

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(widget<QLineEdit>(view, editor.txtMinDiameeter)->text().toStdString(), "007");
    EXPECT_EQ(widget<QLineEdit>(view, editor.txtHind)->text().toStdString(), "12.50");
    EXPECT_TRUE(widget<QPushButton>(view, editor.cmdMuuda)->isEnabled());
    editor.unload();
}

TEST_F(MillSettingsDialogs, ThePriceEditorsEntriesRefusePastesTheirKeysWouldNotMake) {
    frmPalgiHinnad& editor = app->window<frmPalgiHinnad>();
    qt::FormView* view = shown(editor);
    const struct {
        TextBox& field;
        const char *pasted, *kept;
    } cases[] = {
        {editor.txtHind, "45,5", ""},  // not the price 45
        {editor.txtHind, "45.5", "45.5"},     {editor.txtpalgitasku, "1a", ""},
        {editor.txtpalgitasku, "12", "12"},   {editor.txtMinDiameeter, "5.0", ""},
        {editor.txtMaxDiameeter, "99", "99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field.name()) + " " + c.pasted);
        auto* line = widget<QLineEdit>(view, c.field);
        QTest::mouseClick(line, Qt::LeftButton);
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_Backspace);
        QGuiApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c.field.text(), c.kept);
        EXPECT_EQ(line->text().toStdString(), c.kept) << "the screen shows the entry";
    }
    editor.txtMinDiameeter.setText("10");
    QTest::mouseClick(widget<QPushButton>(view, editor.cmdLisaHind), Qt::LeftButton);
    EXPECT_EQ(widget<QListWidget>(view, editor.lstPalgiHinnad)->item(0)->text().toStdString(),
              "010 - 099  45.50  12");
    editor.unload();
}

TEST_F(MillSettingsDialogs, TheProductionVolumeDialogOpensBelowTheMainWindowWhereverItStands) {
    frmMain& m = app->window<frmMain>();
    shown(m);
    desktop->windowOf(m)->move(200, 100);
    EXPECT_EQ(m.left(), 3000);
    EXPECT_EQ(m.top(), 1500);
    frmKuludeMuutmine& volume = app->window<frmKuludeMuutmine>();
    EXPECT_EQ(volume.left(), 5000);
    EXPECT_EQ(volume.top(), 9500);
    volume.unload();
}

}  // namespace
}  // namespace lumbrix
