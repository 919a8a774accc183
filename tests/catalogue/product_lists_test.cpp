// The product list procedures: which file each type uses, loading, saving, and what the
// planner is told when a file cannot be used.
#include "catalogue/product_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "platform/list_box.h"
#include "store/saved_list.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

std::string fixture(const std::string& name) {
    std::ifstream in(fs::path(test::kTestDataDir) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Product rows that differ in their first columns; their text order is not their list order.
const std::vector<std::string> kRows = {
    "50.000x150.00            52.000x156.00    234.0 60.00 30.00 10.00 0.000 0.000 0.000 "
    "260.0 210.0 150.0 0.000 0.000 0.000 18 kuusk",
    "22.000x100.00            22.880x104.00    144.0 50.00 30.00 20.00 0.000 0.000 0.000 "
    "180.0 120.0 90.00 0.000 0.000 0.000 18 ",
    "100.00x100.00            104.00x104.00    250.0 100.0 0.000 0.000 0.000 0.000 0.000 "
    "250.0 0.000 0.000 0.000 0.000 0.000 20 tala",
};

class ProductLists : public test::MainWindowTest {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "database/Mill1");
        main().lblValitudProfiil.setCaption("Mill1");
    }
    std::string profileFile(const std::string& name) {
        return folder.readFile("database/Mill1/" + name);
    }
    void writeProfileFile(const std::string& name, const std::string& bytes) {
        folder.writeFile("database/Mill1/" + name, bytes);
    }

    // The catalogue editor's list: sorted, like lstTootedDim.
    Form editor{"frmEditorStandIn"};
    ListBox lstTootedDim{editor, "lstTootedDim"};
};

TEST_F(ProductLists, EachTypeHasItsFileAndAnotherTypeKeepsTheLastFile) {
    EXPECT_EQ(productListFileName("Syda"), "center");
    EXPECT_EQ(productListFileName("Seimrilaud"), "edger");
    EXPECT_EQ(productListFileName("Kyljelaud"), "side");
    EXPECT_EQ(productListFileName("syda"), std::nullopt) << "case counts";

    writeProfileFile("edger", serializeSavedList({kRows[0]}).bytes);
    frmMain& m = main();
    m.Lauatyyp = "Seimrilaud";
    m.Lae_dim(m.lstDim);
    EXPECT_EQ(m.Loendifail, (folder / "database/Mill1/edger").string());

    m.Lauatyyp = "Planks";
    m.Lae_dim(m.lstDim);
    EXPECT_EQ(m.Loendifail, (folder / "database/Mill1/edger").string());
    EXPECT_EQ(m.lstDim.listCount(), 2) << "loading without clearing doubles the rows";
}

TEST_F(ProductLists, SavedListReadsBackRowForRowInTheSortedList) {
    frmMain& m = main();
    lstTootedDim.setSorted(true);
    for (const std::string& row : kRows)
        lstTootedDim.addItem(row);
    m.Tootetyyp = "Kyljelaud";
    ASSERT_TRUE(m.Salvesta_tooted(lstTootedDim));

    // The file holds the list's order, which is the rows' text order.
    EXPECT_EQ(profileFile("side"), serializeSavedList({kRows[2], kRows[1], kRows[0]}).bytes);

    m.Lauatyyp = "Kyljelaud";
    m.Lae_dim(m.lstDim);
    EXPECT_EQ(m.lstDim.rows(), lstTootedDim.rows());

    lstTootedDim.clear();
    m.Lae_tooted(lstTootedDim);
    EXPECT_EQ(lstTootedDim.rows(), m.lstDim.rows());
}

TEST_F(ProductLists, SavingFewerRowsLeavesExactlyThoseRows) {
    std::vector<std::string> ten;
    for (int i = 0; i < 10; ++i)
        ten.push_back(kRows[0] + std::to_string(i));
    writeProfileFile("center", serializeSavedList(ten).bytes);

    for (int i = 0; i < 3; ++i)
        lstTootedDim.addItem(kRows[i]);
    main().Tootetyyp = "Syda";
    ASSERT_TRUE(main().Salvesta_tooted(lstTootedDim));
    EXPECT_EQ(profileFile("center"), serializeSavedList(kRows).bytes);

    lstTootedDim.clear();
    ASSERT_TRUE(main().Salvesta_tooted(lstTootedDim));
    EXPECT_EQ(profileFile("center"), std::string("SavedList\0\0\0\0", 13));
}

TEST_F(ProductLists, MissingOrForeignFilesGiveEmptyListsQuietly) {
    frmMain& m = main();
    m.Lauatyyp = "Syda";
    m.Lae_dim(m.lstDim);
    EXPECT_EQ(m.lstDim.listCount(), 0);
    EXPECT_TRUE(fs::exists(folder / "database/Mill1/center")) << "created empty";

    writeProfileFile("edger", fixture("savedlist_wrong_signature.bin"));
    m.Lauatyyp = "Seimrilaud";
    m.Lae_dim(m.lstDim);
    EXPECT_EQ(m.lstDim.listCount(), 0);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(ProductLists, ForeignWindows1257FileShowsItsLetters) {
    writeProfileFile("side", fixture("savedlist_windows1257.bin"));
    frmMain& m = main();
    m.Lauatyyp = "Kyljelaud";
    m.Lae_dim(m.lstDim);
    ASSERT_EQ(m.lstDim.listCount(), 2);
    EXPECT_NE(m.lstDim.list(0).find("kõva mänd, ülim öö, šokk, žürii"), std::string::npos);
}

TEST_F(ProductLists, ErrorsAreReportedWithNumberAndDescriptionUnderTheProceduresName) {
    struct Case {
        const char* what;
        const char* profile;
        const char* fixtureFile;  // written as the profile's centre list, when given
        const char* text;
    };
    const Case cases[] = {
        {"no profile folder", "Gone", nullptr, "76 = Path not found"},
        {"a profile name that is no folder name", "../Mill1", nullptr,
         "52 = Bad file name or number"},
        {"a file that ends inside its rows", "Mill1", "savedlist_truncated_row.bin",
         "321 = Invalid file format"},
        {"a count beyond the 16-bit bound", "Mill1", "savedlist_count_32768.bin", "6 = Overflow"},
    };
    struct Procedure {
        const char* title;
        void (*run)(frmMain&, ListBox&);
    };
    const Procedure procedures[] = {
        {"frmmain\\openlist", [](frmMain& m, ListBox& l) { m.Lae_dim(l); }},
        {"frmmain\\Lae_tooted", [](frmMain& m, ListBox& l) { m.Lae_tooted(l); }},
    };
    frmMain& m = main();
    m.Lauatyyp = m.Tootetyyp = "Syda";
    for (const Case& c : cases) {
        for (const Procedure& p : procedures) {
            SCOPED_TRACE(std::string(c.what) + " in " + p.title);
            if (c.fixtureFile != nullptr) writeProfileFile("center", fixture(c.fixtureFile));
            m.lblValitudProfiil.setCaption(c.profile);
            lstTootedDim.clear();
            desktop.clearMessages();
            desktop.expectMessage(MsgResult::Ok);
            p.run(m, lstTootedDim);
            EXPECT_EQ(lstTootedDim.listCount(), 0);
            EXPECT_EQ(desktop.lastMessage().text, c.text);
            EXPECT_EQ(desktop.lastMessage().title, p.title);
            EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
        }
    }
}

TEST_F(ProductLists, SaveThatCannotBeWrittenIsReportedAndKeepsTheOldFile) {
    frmMain& m = main();
    m.Tootetyyp = "Syda";
    const std::string old = serializeSavedList({kRows[0]}).bytes;
    writeProfileFile("center", old);
    lstTootedDim.addItem(kRows[1] + std::string(150, 'x'));  // 273 characters

    desktop.expectMessage(MsgResult::Ok);
    EXPECT_FALSE(m.Salvesta_tooted(lstTootedDim));
    EXPECT_EQ(desktop.lastMessage().text, "6 = Overflow");
    EXPECT_EQ(desktop.lastMessage().title, "frmmain\\Salvesta_tooted");
    EXPECT_EQ(profileFile("center"), old);

    lstTootedDim.clear();
    lstTootedDim.addItem(kRows[1]);
    m.lblValitudProfiil.setCaption("Gone");
    desktop.expectMessage(MsgResult::Ok);
    EXPECT_FALSE(m.Salvesta_tooted(lstTootedDim));
    EXPECT_EQ(desktop.lastMessage().text, "76 = Path not found");
}

}  // namespace
}  // namespace lumbrix
