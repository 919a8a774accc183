// The catalogue editor: its product type, picking a row into the fields, the invalid-row
// question, deleting, the fields' key rules and the oversize bar.
#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace lumbrix {
namespace {

class CatalogueEditor : public test::CatalogueTest {
  protected:
    // A row picked, the program in `language`, then a width over 400 put into the field; the
    // box this asks for is answered.
    void putTooWideWidthIn(const char* language) {
        pickEditorRow("47.000x100.00");
        main().lblValitudKeel.setCaption(language);
        desktop.expectMessage(MsgResult::Ok);
        main().txtDimLaius.setText("401");
    }
};

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
        EXPECT_EQ(m.txtvalitudristloige.text(), "");
        EXPECT_EQ(m.txtDimPaksus.text(), "");
        EXPECT_EQ(m.txtDimNiiskus.text(), "18");
    }
}

TEST_F(CatalogueEditor, APickedRowFillsTheFieldsAndItsOversize) {
    frmMain& m = main();
    m.optTootedKyljelaud.setValue(true);
    const int row = pickEditorRow("22.000x100.00");
    EXPECT_EQ(m.txtvalitudristloige.text(), m.lstTootedDim.list(row));
    EXPECT_EQ(m.lblvalitudindex.caption(), std::to_string(row));
    const struct {
        const TextBox& field;
        const char* text;
    } fields[] = {
        {m.txtDimPaksus, "22.000"}, {m.txtSaagLaius, "104.00"},         {m.txtQual1Share, "70.00"},
        {m.txtQual4Share, "0.000"}, {m.txtQual1Price, "305.0"},         {m.txtDimNiiskus, "18"},
        {m.txtYlemoot, "4"},        {m.txtComment, "mänd, puhas laud"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(f.field.text(), f.text) << f.field.name();
    EXPECT_EQ(m.lblproductPrice.caption(), "279.3") << "recomputed";
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

    m.lblValitudKeel.setCaption("english.keel");
    m.lstTootedDim.setListIndex(1);
    desktop.expectMessage(MsgResult::Yes);
    m.lstTootedDim.setListIndex(0);
    expectMessage("Selected product info is invalid and must be removed. Delete?", mb::kYesNo,
                  "Delete?");
    EXPECT_EQ(m.lstTootedDim.listCount(), 13);
    EXPECT_EQ(fileRows("center"), m.lstTootedDim.rows());
}

TEST_F(CatalogueEditor, FullStopAndDeleteRemoveTheSelectedRowAtOnce) {
    frmMain& m = main();
    desktop.expectMessage(MsgResult::Ok);
    m.mnuKustutaValitud.click();
    expectMessage("Please choose product you want to delete!", mb::kInformation, "Info");
    desktop.clearMessages();

    pickEditorRow("50.000x100.00");
    int key = '.';
    m.lstTootedDim.KeyPress.raise(key);
    EXPECT_EQ(m.lstTootedDim.listCount(), 12);
    EXPECT_EQ(fileRows("center"), m.lstTootedDim.rows());
    EXPECT_EQ(m.txtDimPaksus.text(), "");
    EXPECT_EQ(m.lstDim.listCount(), 12) << "the picker reads the list afresh";

    pickEditorRow("63.000x150.00");
    int deleteKey = 46;
    m.lstTootedDim.KeyDown.raise(deleteKey, 0);
    EXPECT_EQ(m.lstTootedDim.listCount(), 11);
    EXPECT_EQ(fileRows("center"), m.lstTootedDim.rows());

    int letter = 'a';
    m.lstTootedDim.KeyPress.raise(letter);
    EXPECT_EQ(letter, 0);
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_EQ(m.lstTootedDim.listCount(), 11);
    EXPECT_TRUE(desktop.messages().empty());
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
    EXPECT_DOUBLE_EQ(popup.xTwips, m.frmTooteinfo.left() + m.cmdKustutaDim.left());
    EXPECT_DOUBLE_EQ(popup.yTwips,
                     m.frmTooteinfo.top() + m.cmdKustutaDim.top() + m.cmdKustutaDim.height());
    EXPECT_EQ(fileRows("edger").size(), 8u);

    desktop.expectMessage(MsgResult::Yes);
    m.mnuKustutaKoik.click();
    EXPECT_EQ(m.lstTootedDim.listCount(), 0);
    EXPECT_EQ(folder.readFile("database/LUMBRIX/edger"), std::string("SavedList\0\0\0\0", 13));
    EXPECT_EQ(fileRows("center").size(), 13u) << "only the editor's type";
    EXPECT_EQ(m.txtDimPaksus.text(), "");
}

TEST_F(CatalogueEditor, FieldsTakeOnlyTheirKeys) {
    frmMain& m = main();
    const struct {
        TextBox& field;
        const char *accepted, *refused;
    } rules[] = {
        {m.txtDimPaksus, "09\b", ".,a"}, {m.txtDimLaius, "9.\b", ","},
        {m.txtDimNiiskus, "7\b", "."},   {m.txtSaagLaius, "5.,\b", "e"},
        {m.txtQual3Share, "1.,\b", "%"},
    };
    int refused = 0;
    for (const auto& r : rules) {
        for (char c : std::string(r.accepted) + r.refused) {
            int key = c;
            r.field.KeyPress.raise(key);
            const bool accepted = std::string(r.accepted).find(c) != std::string::npos;
            EXPECT_EQ(key, accepted ? c : 0) << r.field.name() << " '" << c << "'";
            refused += accepted ? 0 : 1;
        }
    }
    EXPECT_EQ(desktop.beeps(), refused) << "a beep for each refused key";
}

TEST_F(CatalogueEditor, AnEnglishProgramTellsOfATooWideProductInEnglishThroughout) {
    putTooWideWidthIn("english.keel");
    expectMessage("Wideness can't exceed 400mm", mb::kInformation, "Error!");
}

TEST_F(CatalogueEditor, EditsDisableStoringUntilEnterInTheWidthComputesAgain) {
    frmMain& m = main();
    putTooWideWidthIn("eesti.keel");
    expectMessage("Laius ei saa ületada 400mm!", mb::kInformation, "Viga!");
    EXPECT_TRUE(m.cmdMuudaDim.enabled()) << "a width over 400 only tells";
    m.txtDimLaius.setText("");
    for (char key : std::string("150"))
        m.txtDimLaius.typeKey(key);
    EXPECT_FALSE(m.cmdMuudaDim.enabled());
    EXPECT_FALSE(m.cmdKustutaDim.enabled());
    EXPECT_FALSE(m.cmdLisaDim.enabled());
    m.txtDimLaius.typeKey('\r');
    EXPECT_EQ(m.txtSaagPaksus.text(), "48.88") << "at the picked row's oversize of 4 %";
    EXPECT_EQ(m.txtSaagLaius.text(), "156.00");
    EXPECT_TRUE(m.cmdLisaDim.enabled());
    EXPECT_EQ(m.activeControl(), &m.txtQual1Share);
    m.VScroll1.setValue(6);
    EXPECT_FALSE(m.cmdLisaDim.enabled());
}

TEST_F(CatalogueEditor, TheOversizeBarSetsTheDefaultMoisture) {
    frmMain& m = main();
    const std::pair<int, const char*> steps[] = {
        {5, "12"}, {6, "10"}, {7, "08"}, {0, "08"}, {3, "18"}};
    for (const auto& [oversize, moisture] : steps) {
        m.VScroll1.setValue(oversize);
        EXPECT_EQ(m.txtYlemoot.text(), std::to_string(oversize));
        EXPECT_EQ(m.txtDimNiiskus.text(), moisture) << oversize;
    }
}

}  // namespace
}  // namespace lumbrix
