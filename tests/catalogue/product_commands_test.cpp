// The editor's commands: sawing sizes from nominal size and oversize, a new entry, adding a
// product to the sorted list and its file, changing a product, and the refusals.
#include "catalogue/sawing_size.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue_fixture.h"
#include "platform/vb_error.h"

namespace lumbrix {
namespace {

TEST(SawingSize, ThicknessWithDecimalsWidthToWholeMillimetresTiesToEven) {
    const struct {
        const char *thickness, *width, *oversize, *sawingThickness, *sawingWidth;
    } cases[] = {
        {"22", "100", "4", "22.88", "104.00"},
        {"47", "150", "3", "48.41", "154.00"},  // 154.5: down to even
        {"50", "50", "3", "51.50", "52.00"},    // 51.5: up to even
        {"22,5", "75.5", "4", "23.40", "79.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.thickness << " x " << c.width << " at " << c.oversize);
        const SawingSize s = sawingSize(c.thickness, c.width, c.oversize);
        EXPECT_EQ(s.thickness, c.sawingThickness);
        EXPECT_EQ(s.width, c.sawingWidth);
    }
    EXPECT_THROW(sawingSize("22", "", "4"), VbError);
    EXPECT_THROW(sawingSize("22", "40000", "0"), VbError) << "beyond 16 bits";
}

using ProductCommands = test::CatalogueTest;

TEST_F(ProductCommands, ComputingNeedsAThicknessAndAWidth) {
    frmMain& m = main();
    m.optTootedKyljelaud.setValue(true);
    desktop.expectMessage(MsgResult::Ok);
    m.cmdArvuta.press();
    expectMessage("Please select product type and then insert thicknes and width!",
                  mb::kInformation, "Info");
    EXPECT_EQ(m.Tootetyyp, "Syda");
    EXPECT_EQ(m.activeControl(), &m.txtDimPaksus);

    m.txtDimPaksus.setText("22");
    desktop.expectMessage(MsgResult::Ok);
    m.cmdArvuta.press();
    expectMessage("Error calculating measures. Please check measure info!", mb::kInformation,
                  "Info");
    EXPECT_FALSE(m.cmdLisaDim.enabled());
}

TEST_F(ProductCommands, AddingASideProductSortsItSavesTheFileAndEndsOnCentre) {
    frmMain& m = main();
    m.optTootedKyljelaud.setValue(true);
    m.optKyljelaud.setValue(true);
    enterProduct("22", "150", {"50", "30", "20"}, {"180", "120", "90"});
    m.txtDimNiiskus.setText("8");
    m.txtComment.setText("kuiv");
    m.cmdArvuta.press();
    m.cmdLisaDim.press();
    EXPECT_TRUE(desktop.messages().empty());

    ASSERT_EQ(m.lstTootedDim.listCount(), 9);
    EXPECT_EQ(m.lstTootedDim.list(4),
              "22.000x150.00            22.880x156.00    144.0 50.00 30.00 20.00 0.000 0.000 "
              "0.000 180.0 120.0 90.00 0.000 0.000 0.000 08 kuiv")
        << "after 22.000x125.00, before 25.000x100.00";
    EXPECT_EQ(fileRows("side"), m.lstTootedDim.rows());
    EXPECT_EQ(m.txtDimPaksus.text(), "");
    EXPECT_EQ(m.txtComment.text(), "");
    EXPECT_TRUE(m.optSydmat.value());
    EXPECT_EQ(m.lstDim.listCount(), 13);
}

TEST_F(ProductCommands, ADamagedSideFileIsReportedAndKeptWhenAProductIsAdded) {
    frmMain& m = main();
    std::string damaged = folder.readFile("database/LUMBRIX/side");
    damaged[4] = 'X';  // one byte of the signature
    folder.writeFile("database/LUMBRIX/side", damaged);
    const std::string side = (folder / "database/LUMBRIX/side").string();

    desktop.expectMessage(MsgResult::Ok);
    m.optTootedKyljelaud.setValue(true);
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.lastMessage().text,
              "The list file " + side +
                  " is damaged: it does not start with \"SavedList\", so it "
                  "is not a list file. Its rows are not shown. The file stays as it is until the "
                  "list is saved; then it is kept as " +
                  side + ".damaged.");
    EXPECT_EQ(m.lstTootedDim.listCount(), 0);

    enterProduct("22", "150", {"100"}, {"180"});
    m.cmdArvuta.press();
    m.cmdLisaDim.press();
    EXPECT_EQ(folder.readFile("database/LUMBRIX/side.damaged"), damaged);
    EXPECT_EQ(fileRows("side").size(), 1u);
}

TEST_F(ProductCommands, AnEntryThatIsNotStoredStaysInTheFields) {
    frmMain& m = main();
    enterProduct("40", "100", {"50", "60"}, {"200"});
    m.cmdArvuta.press();
    for (CommandButton* command : {&m.cmdLisaDim, &m.cmdMuudaDim}) {
        SCOPED_TRACE(command->name());
        m.txtvalitudristloige.setText(m.lstTootedDim.list(0));
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        command->press();
        expectMessage("Info: Quality distibution is missing or invalid!", mb::kInformation,
                      "Info!");
        EXPECT_EQ(desktop.messages().size(), 1u) << "one box, not the check's own as well";
        EXPECT_EQ(m.txtDimPaksus.text(), "40");
    }
    EXPECT_EQ(fileRows("center"), m.lstTootedDim.rows());
    EXPECT_EQ(m.lstTootedDim.listCount(), 13);

    m.txtQual2Share.setText("");
    std::filesystem::create_directories(folder / "database/Gone/center");  // not a file
    m.lblValitudProfiil.setCaption("Gone");
    desktop.clearMessages();
    desktop.expectMessage(MsgResult::Ok);  // the list file cannot be written
    desktop.expectMessage(MsgResult::Ok);  // nor read again
    m.cmdLisaDim.press();
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[0].title, "frmmain\\Salvesta_tooted");
    EXPECT_EQ(m.txtDimPaksus.text(), "40");
}

TEST_F(ProductCommands, ChangingReplacesThePickedProductAtItsNewPlaceTwice) {
    frmMain& m = main();
    desktop.expectMessage(MsgResult::Ok);
    m.cmdMuudaDim.press();
    expectMessage("Please choose product you want to change!", mb::kInformation, "Info");
    desktop.clearMessages();

    const std::vector<std::string> before = m.lstTootedDim.rows();
    ASSERT_EQ(pickEditorRow("47.000x125.00"), 1);
    m.txtDimPaksus.setText("55");
    m.cmdArvuta.press();  // the row's oversize of 4 %: 57.20 x 130.00
    m.cmdMuudaDim.press();
    EXPECT_TRUE(desktop.messages().empty());
    std::vector<std::string> rows = m.lstTootedDim.rows();
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(m.lblvalitudindex.caption(), "7") << "after 50.000x200.00, before 63.000x150.00";
    EXPECT_EQ(rows[7].substr(0, 38), "55.000x125.00            57.200x130.00");
    EXPECT_EQ(rows[7].substr(42), before[1].substr(42)) << "prices, moisture and comment";
    EXPECT_EQ(rows[1], before[2]) << "the old row is gone";
    EXPECT_EQ(m.lstTootedDim.listIndex(), 7);
    EXPECT_EQ(fileRows("center"), rows);
    EXPECT_EQ(m.lstDim.rows(), rows) << "the picker shows the changed catalogue";

    // A second change replaces the same product, not whatever took its old index.
    m.txtDimPaksus.setText("75");
    m.cmdArvuta.press();
    m.cmdMuudaDim.press();
    rows = m.lstTootedDim.rows();
    std::vector<std::string> expected = before;
    expected.erase(expected.begin() + 1);
    expected.insert(expected.begin() + 9, rows[9]);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rows[9].substr(0, 38), "75.000x125.00            78.000x130.00");
    EXPECT_EQ(m.lblvalitudindex.caption(), "9");
    EXPECT_EQ(fileRows("center"), rows);
}

TEST_F(ProductCommands, ChangingASideProductLeavesThePickerOnEdgers) {
    frmMain& m = main();
    m.optTootedKyljelaud.setValue(true);
    pickEditorRow("19.000x125.00");
    m.txtComment.setText("kuusk, kuiv laud");
    m.cmdMuudaDim.press();
    EXPECT_EQ(fileRows("side")[1].substr(123), "kuusk, kuiv laud");
    EXPECT_TRUE(m.optSeimrilaud.value());
    EXPECT_EQ(m.lstDim.listCount(), 8);
}

TEST_F(ProductCommands, NewEntryKeepsThePickForTheNextChange) {
    frmMain& m = main();
    pickEditorRow("63.000x150.00");
    m.VScroll1.setValue(6);
    m.cmdNew.press();
    EXPECT_EQ(m.txtDimPaksus.text(), "");
    EXPECT_EQ(m.txtYlemoot.text(), "4") << "the type's oversize again";
    EXPECT_EQ(m.lblproductPrice.caption(), "0.000");

    // A change right after "New" replaces the picked product with the new entry.
    enterProduct("32", "100", {"100"}, {"150"});
    m.cmdArvuta.press();
    m.cmdMuudaDim.press();
    EXPECT_EQ(m.lstTootedDim.list(0).substr(0, 13), "32.000x100.00");
    EXPECT_EQ(m.lstTootedDim.listCount(), 13);
}

}  // namespace
}  // namespace lumbrix
