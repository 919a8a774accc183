// The log price editor: adding, changing and deleting price classes, the refused entries,
// leaving with and without a change, and files that cannot be read or written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/log_price_row.h"
#include "store/numbers.h"
#include "store/saved_list.h"
#include "test_files.h"

namespace lumbrix {
namespace {

class LogPriceEditor : public test::MainWindowTest {
  protected:
    frmPalgiHinnad& editor() { return app->window<frmPalgiHinnad>(); }
    void enter(const std::string& pocket, const std::string& min, const std::string& max,
               const std::string& price) {
        frmPalgiHinnad& e = editor();
        e.txtpalgitasku.setText(pocket);
        e.txtMinDiameeter.setText(min);
        e.txtMaxDiameeter.setText(max);
        e.txtHind.setText(price);
    }
    std::vector<std::string> fileRows() {
        return readSavedList(folder / "database/LUMBRIX/logprices").rows;
    }
};

TEST_F(LogPriceEditor, AddAndChangeKeepTheTableSortedWithNormalisedEntries) {
    for (const char* language : {"english.keel", "eesti.keel"}) {
        SCOPED_TRACE(language);
        main().lblValitudKeel.setCaption(language);
        frmPalgiHinnad& e = editor();
        enter("7", "50", "99", "45.5");
        e.cmdLisaHind.press();
        enter("11", "5", "49", "40");
        e.cmdLisaHind.press();
        EXPECT_EQ(e.lstPalgiHinnad.rows(),
                  (std::vector<std::string>{"005 - 049  40.00  11", "050 - 099  45.50  7"}));
        EXPECT_EQ(e.cmdTagasi.caption(),
                  std::string(language) == "eesti.keel" ? "Salvesta" : "Save");
        EXPECT_EQ(e.txtHind.text(), "");

        e.lstPalgiHinnad.setListIndex(1);
        EXPECT_EQ(e.txtMinDiameeter.text(), "050");
        EXPECT_EQ(e.txtMaxDiameeter.text(), "099");
        EXPECT_EQ(e.txtHind.text(), "45.50");
        EXPECT_EQ(e.txtpalgitasku.text(), "7");
        EXPECT_TRUE(e.cmdMuuda.enabled());
        e.txtHind.setText("120");
        e.cmdMuuda.press();
        EXPECT_EQ(e.lstPalgiHinnad.rows(),
                  (std::vector<std::string>{"005 - 049  40.00  11", "050 - 099  120.0  7"}));
        e.unload();
    }
}

TEST_F(LogPriceEditor, DeletingNeedsASelectedRowAndChangeARememberedOne) {
    frmPalgiHinnad& e = editor();
    for (const char* price : {"40", "50", "60"}) {
        enter("1", price, price, price);
        e.cmdLisaHind.press();
    }
    e.lstPalgiHinnad.setListIndex(0);
    desktop.choosePopupItem("mnuKustutaValitud");
    e.cmdKustuta.press();
    // The menu opens at the button's lower left corner, as the other buttons' pop-ups do.
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    const auto shown = desktop.popupsShown()[0];
    EXPECT_EQ(shown.menuName, "mnuKustuta");
    EXPECT_FALSE(shown.atPointer);
    EXPECT_EQ(shown.xTwips, e.cmdKustuta.left());
    EXPECT_EQ(shown.yTwips, e.cmdKustuta.top() + e.cmdKustuta.height());
    EXPECT_EQ(e.lstPalgiHinnad.listCount(), 2);
    enter("2", "70", "80", "9");
    e.cmdMuuda.press();  // no row remembered since the delete: nothing is removed or added
    EXPECT_EQ(e.lstPalgiHinnad.listCount(), 2);
    EXPECT_EQ(e.txtHind.text(), "9.000");  // normalised all the same
    desktop.choosePopupItem("mnuKustutaValitud");
    e.cmdKustuta.press();  // no row selected: nothing
    EXPECT_EQ(e.lstPalgiHinnad.listCount(), 2);
    desktop.choosePopupItem("mnuKustutaKoik");
    e.cmdKustuta.press();
    EXPECT_EQ(e.lstPalgiHinnad.listCount(), 0);
    EXPECT_EQ(e.txtpalgitasku.text(), "");
}

TEST_F(LogPriceEditor, EntriesThatCannotMakeARowAreRefused) {
    const struct {
        const char *pocket, *price, *message, *normalisedPrice;
    } cases[] = {
        {"", "45.5", "Log pocket identifier missing!", "45.50"},
        {"3", "1000", "Log price must be less than 1000!", "1000"},
        {"3", "999.96", "Log price must be less than 1000!", "999.96"},  // would be 1000.0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price);
        frmPalgiHinnad& e = editor();
        enter(c.pocket, "5", "49", c.price);
        desktop.expectMessage(MsgResult::Ok);
        e.cmdLisaHind.press();
        EXPECT_EQ(desktop.lastMessage().text, c.message);
        EXPECT_EQ(desktop.lastMessage().title, "Lumbrix");
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
        EXPECT_EQ(e.lblerror.caption(), "1");
        EXPECT_EQ(e.txtMinDiameeter.text(), "005");
        EXPECT_EQ(e.txtHind.text(), c.normalisedPrice);
        EXPECT_EQ(e.lstPalgiHinnad.listCount(), 0);
        EXPECT_EQ(e.lblchanged.caption(), "0");
        e.unload();
    }
    enter("3", "5", "49", "999.9");  // the highest price the row holds
    editor().cmdLisaHind.press();
    EXPECT_EQ(editor().lstPalgiHinnad.list(0), "005 - 049  999.9  3");
}

TEST_F(LogPriceEditor, BackAfterTheSaveQuestionIsCancelledComputesTheKeptPatternAnew) {
    folder.writeFile("database/LUMBRIX/settings",
                     "[SEADED]\r\nKetas1saag=5\r\nKetas2saag=4\r\nPalgimahukoefitsent=0.95\r\n"
                     "KuisedPysikuludKokku=1000\r\nKuisedAmordikuludKokku=500\r\n"
                     "YhikuMuutuvkulud=20\r\nKuineTootmismaht=100\r\n");
    ASSERT_TRUE(writeSavedList(folder / "database/LUMBRIX/logprices", {"010 - 600  70.00  1"}));
    frmMain& m = main();
    m.Lauatyyp = "Syda";  // the picker's type, as after start-up
    m.cmdLaeprofiil.press();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    m.uuenda_materjalid();
    const double at70 = RegionCompVal(m.lblPalgikuluHind.caption());
    ASSERT_GT(at70, 0);

    // Changes the one row's price and goes back, keeping the pattern at the save question.
    const auto changePriceAndGoBack = [&](const char* price) {
        frmPalgiHinnad& e = editor();
        e.lstPalgiHinnad.setListIndex(0);
        e.txtHind.setText(price);
        e.cmdMuuda.press();
        desktop.expectMessage(MsgResult::Ok);      // the warning
        desktop.expectMessage(MsgResult::Cancel);  // "Will save this pattern?": keep it
        e.cmdTagasi.press();
    };
    for (const char* language : {"english.keel", "eesti.keel"}) {
        SCOPED_TRACE(language);
        m.lblValitudKeel.setCaption(language);
        changePriceAndGoBack(std::string(language) == "eesti.keel" ? "70" : "80");
        EXPECT_EQ(m.lstSyda.listCount(), 1) << "the pattern stays";
        EXPECT_FALSE(app->isLoaded<frmPalgiHinnad>());
    }
    // The log cost follows the file's price at each step: back at 70 now.
    EXPECT_EQ(fileRows(), std::vector<std::string>{"010 - 600  70.00  1"});
    EXPECT_NEAR(RegionCompVal(m.lblPalgikuluHind.caption()), at70, 0.005);

    changePriceAndGoBack("80");
    EXPECT_NEAR(RegionCompVal(m.lblPalgikuluHind.caption()), at70 * 80 / 70, 0.005)
        << m.lblPalgikuluHind.caption();
    const std::string shown = m.lblPalgikuluHind.caption();
    m.uuenda_materjalid();
    EXPECT_EQ(m.lblPalgikuluHind.caption(), shown) << "what a fresh update shows";

    // Without a change the editor only closes: no box, the pattern as it stands.
    const std::size_t boxes = desktop.messages().size();
    editor().cmdTagasi.press();
    EXPECT_EQ(desktop.messages().size(), boxes);
    EXPECT_EQ(m.lblPalgikuluHind.caption(), shown);
}

TEST_F(LogPriceEditor, PastedTextIsRefusedWholeWhereItsKeysWouldBeDropped) {
    frmPalgiHinnad& e = editor();
    // A paste sets the entry's text at once; the Qt view reports it so.
    const struct {
        TextBox& field;
        const char *before, *pasted, *kept;
    } cases[] = {
        {e.txtHind, "", "45,5", ""},          {e.txtHind, "4", "45.5", "45.5"},
        {e.txtHind, "4", "4 5", "4"},         {e.txtpalgitasku, "", "1a", ""},
        {e.txtpalgitasku, "1", "12", "12"},   {e.txtMinDiameeter, "", "5.0", ""},
        {e.txtMaxDiameeter, "9", "-99", "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field.name()) + " " + c.pasted);
        c.field.setText(c.before);
        const int beeps = desktop.beeps();
        c.field.setText(c.pasted);
        EXPECT_EQ(c.field.text(), c.kept);
        EXPECT_EQ(desktop.beeps() - beeps, std::string(c.kept) == c.pasted ? 0 : 1);
    }
    // What stays is what the row is built from.
    enter("3", "5", "49", "");
    e.txtHind.setText("45,5");
    e.txtHind.setText("45.5");
    e.cmdLisaHind.press();
    EXPECT_EQ(e.lstPalgiHinnad.rows(), std::vector<std::string>{"005 - 049  45.50  3"});
}

TEST_F(LogPriceEditor, TheEditorStoresOnlyRowsTheRowBuilderBuilds) {
    const struct {
        const char *pocket, *min, *max, *price, *language, *message;
    } refused[] = {
        {"3", "1000", "49", "45", "english.keel", "The diameter must have at most three digits!"},
        {"3", "5", "1000", "45", "eesti.keel", "Läbimõõt peab olema kuni kolmekohaline!"},
        {"1234", "5", "49", "45", "english.keel",
         "Log pocket identifier must be a number of one to three digits!"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.message);
        main().lblValitudKeel.setCaption(c.language);
        frmPalgiHinnad& e = editor();
        enter(c.pocket, c.min, c.max, c.price);
        desktop.expectMessage(MsgResult::Ok);
        e.cmdLisaHind.press();
        EXPECT_EQ(desktop.lastMessage().text, c.message);
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
        EXPECT_EQ(e.lblerror.caption(), "1");
        EXPECT_EQ(e.lstPalgiHinnad.listCount(), 0);
        e.unload();
    }
    // Rows that are stored are exactly the builder's, for Add and for Change.
    main().lblValitudKeel.setCaption("english.keel");
    frmPalgiHinnad& e = editor();
    enter("12", "50", "99", "45.5");
    e.cmdLisaHind.press();
    EXPECT_EQ(e.lstPalgiHinnad.list(0), buildLogPriceRow("50", "99", "45.5", "12").row);
    e.lstPalgiHinnad.setListIndex(0);
    e.txtHind.setText("9.9996");
    e.cmdMuuda.press();
    EXPECT_EQ(e.lstPalgiHinnad.rows(),
              std::vector<std::string>{buildLogPriceRow("050", "099", "9.9996", "12").row});
    EXPECT_EQ(e.lstPalgiHinnad.list(0), "050 - 099  10.00  12");
}

TEST_F(LogPriceEditor, KeyFiltersPassDigitsBackspaceAndThePointOfThePrice) {
    frmPalgiHinnad& e = editor();
    const struct {
        TextBox& field;
        const char* typed;
        const char* kept;
        int beeps;
    } cases[] = {{e.txtpalgitasku, "1a2.\b3", "13", 2},
                 {e.txtMinDiameeter, "5,0", "50", 1},
                 {e.txtMaxDiameeter, "99x9", "999", 1},
                 {e.txtHind, "45,5.5", "455.5", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field.name());
        const int before = desktop.beeps();
        for (const char* k = c.typed; *k; ++k)
            c.field.typeKey(*k);
        EXPECT_EQ(c.field.text(), c.kept);
        EXPECT_EQ(desktop.beeps() - before, c.beeps);
    }
}

TEST_F(LogPriceEditor, BackWithAChangeWarnsSavesStartsANewPatternAndReloads) {
    frmMain& m = main();
    m.cmdCenter.press();
    std::vector<std::string> steps;
    // What the main window's two buttons see of the file when the editor presses them.
    m.cmdUusKava.Click.connect([&] {
        steps.push_back("new pattern after " + std::to_string(desktop.messages().size()) +
                        " box, file rows " + std::to_string(fileRows().size()));
    });
    m.cmdLaeprofiil.Click.connect([&] { steps.push_back("reload profile"); });

    frmPalgiHinnad& e = editor();
    enter("1", "10", "99", "50");
    e.cmdLisaHind.press();
    desktop.expectMessage(MsgResult::Ok);
    e.cmdTagasi.press();
    EXPECT_EQ(desktop.lastMessage().text, e.lblexitmessage.caption());
    EXPECT_EQ(desktop.lastMessage().style, mb::kExclamation);
    EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
    EXPECT_EQ(steps,
              (std::vector<std::string>{"new pattern after 1 box, file rows 1", "reload profile"}));
    EXPECT_EQ(fileRows(), std::vector<std::string>{"010 - 099  50.00  1"});
    EXPECT_FALSE(app->isLoaded<frmPalgiHinnad>());

    // Without a change: no box, no write, only the reload.
    steps.clear();
    editor().cmdTagasi.press();
    EXPECT_EQ(steps, std::vector<std::string>{"reload profile"});
    EXPECT_EQ(desktop.messages().size(), 1u);
}

TEST_F(LogPriceEditor, AFailedSaveKeepsTheOldFileTheEditorAndThePattern) {
    ASSERT_TRUE(writeSavedList(folder / "database/LUMBRIX/logprices", {"010 - 600  50.00  1"}));
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    m.uuenda_materjalid();
    int presses = 0;
    m.cmdUusKava.Click.connect([&] { ++presses; });
    m.cmdLaeprofiil.Click.connect([&] { ++presses; });
    frmPalgiHinnad& e = editor();
    desktop.choosePopupItem("mnuKustutaKoik");
    e.cmdKustuta.press();
    test::FullDisk failing;
    {
        ScopedFileSink sink(failing);
        desktop.expectMessage(MsgResult::Ok);  // the pattern is closed ...
        desktop.expectMessage(MsgResult::Ok);  // ... but the save failed: it stays
        e.cmdTagasi.press();
    }
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[0].text, e.lblexitmessage.caption());
    const std::string& last = desktop.lastMessage().text;
    EXPECT_TRUE(last.starts_with("The log prices could not be saved: Cannot write ")) << last;
    EXPECT_NE(last.find("No space left on device"), std::string::npos) << last;
    EXPECT_TRUE(last.ends_with("The pattern stays open and the log prices stay in the editor."))
        << last;
    EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
    EXPECT_EQ(m.lstSyda.listCount(), 1);
    EXPECT_EQ(fileRows(), std::vector<std::string>{"010 - 600  50.00  1"});
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(app->isLoaded<frmPalgiHinnad>());
}

TEST_F(LogPriceEditor, AnUnreadableFileOpensAnEmptyTableWithTheListFilesMessage) {
    // The file counts two rows and holds one.
    folder.writeFile("database/LUMBRIX/logprices", std::string("SavedList\x02\x00\x00\x00\x03"
                                                               "abc",
                                                               17));
    desktop.expectMessage(MsgResult::Ok);
    EXPECT_EQ(editor().lstPalgiHinnad.listCount(), 0);
    EXPECT_TRUE(desktop.lastMessage().text.starts_with("File logprices is missing or invalid!"));
    EXPECT_EQ(desktop.lastMessage().title, "File error");
    editor().unload();

    // The current profile's folder is gone (the profile was deleted): the same.
    main().lblValitudProfiil.setCaption("Deleted");
    desktop.expectMessage(MsgResult::Ok);
    EXPECT_EQ(editor().lstPalgiHinnad.listCount(), 0);
    EXPECT_EQ(desktop.lastMessage().title, "File error");
}

TEST_F(LogPriceEditor, OpeningTheEditorWhileItIsOpenWithoutBlockingBringsItToTheFront) {
    editor().show();  // as the log cost opens it for an empty price list
    main().cmdPalgiHinnad.press();
    main().lblPalgikuluHind.Click.raise();
    EXPECT_TRUE(desktop.modalWindowsShown().empty());
    EXPECT_EQ(desktop.windowEvents(),
              (std::vector<std::string>{"shown frmPalgiHinnad", "shown frmPalgiHinnad",
                                        "shown frmPalgiHinnad"}));
    EXPECT_TRUE(desktop.messages().empty());
}

}  // namespace
}  // namespace lumbrix
