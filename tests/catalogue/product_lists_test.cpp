// Loading a product list: what the planner is told when its file cannot be used. The file
// format is the list file's own test; saving is the editor's commands' test.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "catalogue_fixture.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

using ProductLists = test::CatalogueTest;

TEST_F(ProductLists, LoadErrorsAreReportedUnderTheProceduresNameAndForeignFilesAreNot) {
    const struct {
        const char* profile;
        const char* fixtureFile;  // written as the profile's centre list, when given
        const char* text;         // how the message begins; "": an empty list without message
    } cases[] = {
        {"LUMBRIX", "savedlist_wrong_signature.bin", "The list file "},
        {"LUMBRIX", "savedlist_truncated_row.bin", "321 = Invalid file format\nThe list file "},
        {"New", nullptr, ""},   // a missing file in an existing folder
        {"Gone", nullptr, ""},  // a missing profile folder is made
        {"../LUMBRIX", nullptr, "52 = Bad file name or number\nThe profile name"},
    };
    const struct {
        const char* title;
        void (*run)(frmMain&, ListBox&);
    } procedures[] = {
        {"frmmain\\openlist", [](frmMain& m, ListBox& l) { m.Lae_dim(l); }},
        {"frmmain\\Lae_tooted", [](frmMain& m, ListBox& l) { m.Lae_tooted(l); }},
    };
    folder.writeFile("database/New/settings", "");
    for (const auto& c : cases) {
        if (c.fixtureFile != nullptr) {
            std::ifstream in(std::string(test::kTestDataDir) + "/" + c.fixtureFile,
                             std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            folder.writeFile("database/LUMBRIX/center", bytes.str());
        }
        main().lblValitudProfiil.setCaption(c.profile);
        for (const auto& p : procedures) {
            SCOPED_TRACE(std::string(c.profile) + " " + (c.fixtureFile ? c.fixtureFile : "") +
                         " in " + p.title);
            ListBox& list = main().lstDim;
            list.clear();
            desktop.clearMessages();
            if (*c.text != '\0') desktop.expectMessage(MsgResult::Ok);
            p.run(main(), list);
            EXPECT_EQ(list.listCount(), 0);
            ASSERT_EQ(desktop.messages().size(), *c.text != '\0' ? 1u : 0u);
            if (*c.text == '\0') continue;
            EXPECT_EQ(desktop.lastMessage().text.rfind(c.text, 0), 0u)
                << desktop.lastMessage().text;
            EXPECT_EQ(desktop.lastMessage().title, p.title);
            EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
        }
    }
}

}  // namespace
}  // namespace lumbrix
