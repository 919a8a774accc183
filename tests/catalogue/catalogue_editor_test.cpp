// The catalogue editor: its product type, picking a row into the fields, the invalid-row
// question, deleting, the fields' key rules, the oversize bar, and the tab's layout.
#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace lumbrix {
namespace {

using CatalogueEditor = test::CatalogueTest;

const std::string kSideRow =
    "22.000x100.00            22.880x104.00    279.3 70.00 25.00 5.000 0.000 0.000 0.000 "
    "305.0 235.0 140.0 0.000 0.000 0.000 18 mänd, puhas laud";

TEST_F(CatalogueEditor, EachTypeLoadsItsListWithItsOversizeAndClearedFields) {
    frmMain& m = main();
    const struct {
        OptionButton& option;
        const char* type;
        int rows;
        const Image& picture;
        const char* oversize;
    } types[] = {
        {m.optTootedKyljelaud, "Kyljelaud", 8, m.imgToodeKyljelauad, "4"},
        {m.optTootedSeimrilaud, "Seimrilaud", 8, m.imgToodeSeimrilauad, "4"},
        {m.optTootedSydmat, "Syda", 13, m.imgToodeSyda, "3"},
    };
    for (const auto& t : types) {
        SCOPED_TRACE(t.type);
        pickEditorRow(m.lstTootedDim.list(1).substr(0, 13));
        t.option.setValue(true);
        EXPECT_EQ(m.Tootetyyp, t.type);
        EXPECT_EQ(m.lstTootedDim.listCount(), t.rows);
        EXPECT_EQ(m.imgToodeMaterjal.picture(), t.picture.picture());
        EXPECT_EQ(m.txtYlemoot.text(), t.oversize);
        EXPECT_EQ(std::to_string(m.VScroll1.value()), t.oversize);
        EXPECT_EQ(m.txtvalitudristloige.text(), "");
        EXPECT_EQ(m.txtDimPaksus.text(), "");
        EXPECT_EQ(m.txtDimNiiskus.text(), "18");
        EXPECT_EQ(m.txtQual1Share.text(), "0.000");
        EXPECT_FALSE(m.txtQual1Price.enabled());
        EXPECT_EQ(m.lblQualShareTotal.caption(), "0");
    }
}

TEST_F(CatalogueEditor, APickedRowFillsTheFieldsAndItsOversize) {
    frmMain& m = main();
    m.optTootedKyljelaud.setValue(true);
    const int row = pickEditorRow("22.000x100.00");
    ASSERT_EQ(m.lstTootedDim.list(row), kSideRow);
    EXPECT_EQ(m.txtvalitudristloige.text(), kSideRow);
    EXPECT_EQ(m.lblvalitudindex.caption(), std::to_string(row));
    const struct {
        const TextBox& field;
        const char* text;
    } fields[] = {
        {m.txtDimPaksus, "22.000"}, {m.txtDimLaius, "100.00"},          {m.txtSaagPaksus, "22.880"},
        {m.txtSaagLaius, "104.00"}, {m.txtQual1Share, "70.00"},         {m.txtQual3Share, "5.000"},
        {m.txtQual4Share, "0.000"}, {m.txtQual1Price, "305.0"},         {m.txtQual4Price, "0.000"},
        {m.txtDimNiiskus, "18"},    {m.txtComment, "mänd, puhas laud"}, {m.txtYlemoot, "4"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(f.field.text(), f.text) << f.field.name();
    EXPECT_EQ(m.lblproductPrice.caption(), "279.3") << "recomputed";
    EXPECT_EQ(m.lblQualShareTotal.caption(), "100");
    EXPECT_TRUE(m.cmdMuudaDim.enabled());
    EXPECT_TRUE(m.cmdKustutaDim.enabled());
    EXPECT_FALSE(m.cmdLisaDim.enabled()) << "until the sawing size is computed again";
    EXPECT_EQ(m.VScroll1.value(), 4);
}

TEST_F(CatalogueEditor, AnUnreadableRowIsOfferedForDeletion) {
    frmMain& m = main();
    m.lstTootedDim.addItem("0.0000x100.00            22.880x104.00    100.0");
    m.lblValitudKeel.setCaption("eesti.keel");
    desktop.expectMessage(MsgResult::No);
    m.lstTootedDim.setListIndex(0);
    expectMessage("Valitud toote info on vigane ning häirib programmi tööd. Kustutame?", mb::kYesNo,
                  "Kustutame?");
    EXPECT_EQ(m.lstTootedDim.listCount(), 14);
    EXPECT_EQ(m.txtDimLaius.text(), "100.00") << "the fields keep what was filled";

    m.lblValitudKeel.setCaption("english.keel");
    m.lstTootedDim.setListIndex(1);
    desktop.expectMessage(MsgResult::Yes);
    m.lstTootedDim.setListIndex(0);
    expectMessage("Selected product info is invalid and must be removed. Delete?", mb::kYesNo,
                  "Delete?");
    EXPECT_EQ(m.lstTootedDim.listCount(), 13);
    EXPECT_EQ(fileRows("center"), m.lstTootedDim.rows());
    EXPECT_EQ(m.txtvalitudristloige.text(), "");
}

TEST_F(CatalogueEditor, AStoredWidthOver400IsReportedAndStillLoaded) {
    frmMain& m = main();
    m.lstTootedDim.addItem(
        "47.000x420.00            48.880x437.00    100.0 100.0 0.000 0.000 0.000 0.000 0.000 "
        "100.0 0.000 0.000 0.000 0.000 0.000 18 ");
    desktop.expectMessage(MsgResult::Ok);
    pickEditorRow("47.000x420.00");
    expectMessage("Wideness can't exceed 400mm", mb::kInformation, "Viga!");
    EXPECT_EQ(m.txtDimLaius.text(), "420.00");
    EXPECT_EQ(m.lblproductPrice.caption(), "100.0");
}

TEST_F(CatalogueEditor, FullStopAndDeleteRemoveTheSelectedRowAtOnce) {
    frmMain& m = main();
    pickEditorRow("50.000x100.00");
    m.lstDim.setListIndex(0);
    int key = '.';
    m.lstTootedDim.KeyPress.raise(key);
    EXPECT_EQ(m.lstTootedDim.listCount(), 12);
    EXPECT_EQ(fileRows("center"), m.lstTootedDim.rows());
    EXPECT_EQ(m.txtvalitudristloige.text(), "");
    EXPECT_EQ(m.txtDimPaksus.text(), "");
    EXPECT_EQ(m.lstDim.listCount(), 12) << "the picker reads the list afresh";
    EXPECT_TRUE(m.optSydmat.value());

    pickEditorRow("63.000x150.00");
    int deleteKey = 46;
    m.lstTootedDim.KeyDown.raise(deleteKey, 0);
    EXPECT_EQ(m.lstTootedDim.listCount(), 11);

    int letter = 'a';
    m.lstTootedDim.KeyPress.raise(letter);
    EXPECT_EQ(letter, 0);
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_EQ(m.lstTootedDim.listCount(), 11);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(CatalogueEditor, DeletingWithoutAPickIsRefused) {
    frmMain& m = main();
    desktop.expectMessage(MsgResult::Ok);
    m.mnuKustutaValitud.click();
    expectMessage("Please choose product you want to delete!", mb::kInformation, "Info");
    EXPECT_EQ(fileRows("center").size(), 13u);
}

TEST_F(CatalogueEditor, DeleteAllAsksFirst) {
    frmMain& m = main();
    m.optTootedSeimrilaud.setValue(true);
    pickEditorRow("25.000x100.00");
    desktop.choosePopupItem("mnuKustutaKoik");
    desktop.expectMessage(MsgResult::No);
    m.cmdKustutaDim.press();
    expectMessage("Are you sure you want to delete all dimensions?", mb::kYesNo, "Delete all?");
    const test::TestDesktop::ShownPopup& popup = desktop.popupsShown().back();
    EXPECT_EQ(popup.menuName, "mnutootedkustuta");
    EXPECT_FALSE(popup.atPointer);
    EXPECT_DOUBLE_EQ(popup.xTwips, m.frmTooteinfo.left() + m.cmdKustutaDim.left());
    EXPECT_DOUBLE_EQ(popup.yTwips,
                     m.frmTooteinfo.top() + m.cmdKustutaDim.top() + m.cmdKustutaDim.height());
    EXPECT_EQ(m.lstTootedDim.listCount(), 8);
    EXPECT_EQ(fileRows("edger").size(), 8u);
    EXPECT_EQ(m.txtDimPaksus.text(), "25.000");

    desktop.expectMessage(MsgResult::Yes);
    m.mnuKustutaKoik.click();
    EXPECT_EQ(m.lstTootedDim.listCount(), 0);
    EXPECT_EQ(folder.readFile("database/LUMBRIX/edger"), std::string("SavedList\0\0\0\0", 13));
    EXPECT_EQ(fileRows("center").size(), 13u) << "only the editor's type";
    EXPECT_EQ(m.txtDimPaksus.text(), "");
    EXPECT_EQ(m.Lauatyyp, "Syda");
}

TEST_F(CatalogueEditor, FieldsTakeOnlyTheirKeys) {
    frmMain& m = main();
    const struct {
        TextBox& field;
        const char* accepted;
        const char* refused;
    } rules[] = {
        {m.txtDimPaksus, "0129\b", ".,a-"}, {m.txtDimLaius, "09.\b", ",a "},
        {m.txtDimNiiskus, "07\b", ".,x"},   {m.txtSaagPaksus, "5.,\b", "a-"},
        {m.txtSaagLaius, "5.,\b", "e"},     {m.txtQual3Share, "1.,\b", "%"},
        {m.txtQual6Price, "9.,\b", "a"},
    };
    for (const auto& r : rules) {
        SCOPED_TRACE(r.field.name());
        for (const char* c = r.accepted; *c; ++c) {
            int key = *c;
            r.field.KeyPress.raise(key);
            EXPECT_EQ(key, *c);
        }
        const int beeps = desktop.beeps();
        for (const char* c = r.refused; *c; ++c) {
            int key = *c;
            r.field.KeyPress.raise(key);
            EXPECT_EQ(key, 0) << "'" << *c << "'";
        }
        EXPECT_EQ(desktop.beeps() - beeps, static_cast<int>(std::string(r.refused).size()));
    }
}

TEST_F(CatalogueEditor, EnterInTheWidthComputesAndMovesToTheShares) {
    frmMain& m = main();
    m.txtDimPaksus.setText("47");
    m.txtDimLaius.typeKey('1');
    m.txtDimLaius.typeKey('5');
    m.txtDimLaius.typeKey('0');
    EXPECT_FALSE(m.cmdLisaDim.enabled());
    m.txtDimLaius.typeKey(13);
    EXPECT_EQ(m.txtSaagPaksus.text(), "48.41");
    EXPECT_EQ(m.txtSaagLaius.text(), "154.00");
    EXPECT_TRUE(m.cmdLisaDim.enabled());
    EXPECT_EQ(m.activeControl(), &m.txtQual1Share);
}

TEST_F(CatalogueEditor, WidthAndOversizeEditsDisableStoring) {
    frmMain& m = main();
    pickEditorRow("47.000x100.00");
    m.lblValitudKeel.setCaption("eesti.keel");
    desktop.expectMessage(MsgResult::Ok);
    m.txtDimLaius.setText("401");
    expectMessage("Laius ei saa ületada 400mm!", mb::kInformation, "Viga!");
    EXPECT_TRUE(m.cmdMuudaDim.enabled()) << "a width over 400 only tells";
    m.txtDimLaius.setText("400");
    EXPECT_FALSE(m.cmdMuudaDim.enabled());
    EXPECT_FALSE(m.cmdKustutaDim.enabled());
    m.cmdArvuta.press();
    EXPECT_TRUE(m.cmdLisaDim.enabled());
    m.VScroll1.setValue(6);
    EXPECT_FALSE(m.cmdLisaDim.enabled());
}

TEST_F(CatalogueEditor, TheOversizeBarSetsTheDefaultMoisture) {
    frmMain& m = main();
    const struct {
        int oversize;
        const char* moisture;
    } steps[] = {{5, "12"}, {4, "12"}, {6, "10"}, {7, "08"}, {0, "08"}, {3, "18"}};
    for (const auto& s : steps) {
        m.VScroll1.setValue(s.oversize);
        EXPECT_EQ(m.txtYlemoot.text(), std::to_string(s.oversize));
        EXPECT_EQ(m.txtDimNiiskus.text(), s.moisture) << s.oversize;
    }
}

TEST_F(CatalogueEditor, APriceFieldWithoutPriceEmptiesOnEntryAndRecomputesOnLeaving) {
    frmMain& m = main();
    enterProduct("22", "100", {"50"}, {});
    m.txtQual1Share.LostFocus.raise();
    EXPECT_EQ(m.txtQual1Price.text(), "0.000");
    m.txtQual1Price.GotFocus.raise();
    EXPECT_EQ(m.txtQual1Price.text(), "");
    m.txtQual1Price.setText("200");
    m.txtQual1Price.LostFocus.raise();
    EXPECT_EQ(m.lblproductPrice.caption(), "100.0");
    m.txtQual1Price.GotFocus.raise();
    EXPECT_EQ(m.txtQual1Price.text(), "200.0");
}

}  // namespace
}  // namespace lumbrix
