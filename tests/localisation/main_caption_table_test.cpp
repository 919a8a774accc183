#include "localisation/main_caption_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "localisation/message_language.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"
#include "store/frm_main_sub.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix {
namespace {

using test::LocalisationTest;

// What a row's target shows (both targets of a two-step row); fails the test for a target
// that does not exist.
std::vector<std::string> shownOn(Application& app, const MainCaptionRow& row) {
    frmMain& m = app.window<frmMain>();
    const auto controlCaption = [](Form& form, const char* name) {
        const Control* c = form.findControl(name);
        EXPECT_NE(c, nullptr) << "no control " << name << " on " << form.name();
        return c ? c->caption() : std::string("<none>");
    };
    const auto menuCaption = [&m](const char* name) {
        const Menu* item = m.findMenu(name);
        EXPECT_NE(item, nullptr) << "no menu " << name;
        return item ? item->caption() : std::string("<none>");
    };
    switch (row.kind) {
        case CaptionTarget::MainControl:
            return {controlCaption(m, row.target)};
        case CaptionTarget::MainMenu:
            return {menuCaption(row.target)};
        case CaptionTarget::MainMenuAndButton:
            return {menuCaption(row.target), controlCaption(m, row.second)};
        case CaptionTarget::MainMenuAndMenu:
            return {menuCaption(row.target), menuCaption(row.second)};
        case CaptionTarget::MainTab:
            return {m.SSTab1.tabCaption(row.tab)};
        case CaptionTarget::StoreField:
            return {app.window<frmMainSub>().lblKKLabelLogATP};
        case CaptionTarget::View3dControl:
            return {controlCaption(app.window<frm3dShow>(), row.target)};
    }
    return {};
}

// The pairs that show one text after any file.
const std::vector<std::pair<std::string, std::string>> kSameTextPairs = {
    {"mnuSaekavaPrindi", "cmdPrindi"},
    {"mnuKustutaValitud", "mnuCompareKustutaValitud"},
    {"mnuKustutaKoik", "mnuCompareKustutaKoik"},
    {"cmdSobita", "mnufit"},
    {"cmdUusKava", "mnuUus"},
    {"mnuSaekavaUus", "cmdNew"},
    {"cmdArvuta", "mnuPalkUuenda"},
    {"cmdKustutaDim", "mnuKustutaKustuta"},
};

std::string captionByName(frmMain& m, const std::string& name) {
    if (const Menu* item = m.findMenu(name)) return item->caption();
    const Control* c = m.findControl(name);
    return c ? c->caption() : "<none>";
}

class CaptionTableTest : public LocalisationTest {
  protected:
    void apply(const std::string& fileName) {
        applyLanguageFile(*app, folder / "language", fileName);
    }
    void expectPairsAgree() {
        frmMain& m = app->window<frmMain>();
        for (const auto& [first, second] : kSameTextPairs)
            EXPECT_EQ(captionByName(m, first), captionByName(m, second)) << first;
    }
};

TEST_F(CaptionTableTest, EveryRowPutsItsOwnTextOnAnExistingTarget) {
    // Keys are looked up without regard to case: the file spells them in capitals.
    std::map<std::string, std::string> sections;
    for (const MainCaptionRow& row : kMainCaptionTable) {
        std::string key = row.key;
        for (char& ch : key)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        sections[row.section] += key + " = \"" + row.section + "/" + row.key + "\"  \n";
    }
    std::string text;
    for (const auto& [section, keys] : sections)
        text += "[" + section + "]\n" + keys;
    writeLanguage("all.keel", text);
    apply("all.keel");
    for (const MainCaptionRow& row : kMainCaptionTable) {
        for (const std::string& shown : shownOn(*app, row))
            EXPECT_EQ(shown, std::string(row.section) + "/" + row.key) << row.key;
    }
    expectPairsAgree();
    EXPECT_EQ(app->window<frmMain>().cmdNew.caption(), "KK/mnuSaekavaUus");
}

TEST_F(CaptionTableTest, TheExampleFile) {
    writeLanguage("test.keel",
                  "[KK]\ncmdSobita=Fit log\nmnuSaekavaUus=New pattern\noptSydmat=\n"
                  "mnuSaekavaPrindi=Print\n[TH]\ncmdArvuta=Compute\n");
    apply("test.keel");
    frmMain& m = app->window<frmMain>();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"cmdSobita", "Fit log"},  {"mnufit", "Fit log"},    {"mnuSaekavaUus", "New pattern"},
        {"cmdNew", "New pattern"}, {"optSydmat", ""},        {"mnuSaekavaPrindi", "Print"},
        {"cmdPrindi", "Print"},    {"cmdArvuta", "Compute"}, {"mnuPalkUuenda", "Compute"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(captionByName(m, name), text) << name;
    int zeros = 0;
    for (const MainCaptionRow& row : kMainCaptionTable) {
        for (const std::string& shown : shownOn(*app, row))
            zeros += shown == "0";
    }
    // 85 rows with two targets on three of them, less the five keys the file holds.
    EXPECT_EQ(zeros, 88 - 6);
    EXPECT_EQ(m.lblValitudKeel.caption(), "test.keel");
    EXPECT_FALSE(messagesInEstonian(m));
}

TEST_F(CaptionTableTest, AMissingFileShowsZeroEverywhereAndStillNamesTheLanguage) {
    apply("puudub.keel");
    for (const MainCaptionRow& row : kMainCaptionTable) {
        for (const std::string& shown : shownOn(*app, row))
            EXPECT_EQ(shown, "0") << row.key;
    }
    expectPairsAgree();
    EXPECT_EQ(app->window<frmMain>().lblValitudKeel.caption(), "puudub.keel");
}

TEST_F(CaptionTableTest, TheMainWindowLoadsHiddenInsideTheFirstRowAndEndsOnItsFirstTab) {
    writeLanguage("eesti.keel", "[KK]\nSSTab1Tab1=Tooted\nSSTab1Tab2=Kava\n");
    ASSERT_FALSE(app->isLoaded<frmMain>());
    apply("eesti.keel");
    frmMain& m = app->window<frmMain>();
    EXPECT_FALSE(m.visible());
    EXPECT_EQ(m.caption(), "LUMBRIX - v3.0");  // its load ran
    EXPECT_TRUE(desktop.isArmed(m.tmr_Startup));
    // The tab keys are swapped in the file: "Tab1" names the second tab.
    EXPECT_EQ(m.SSTab1.tabCaption(1), "Tooted");
    EXPECT_EQ(m.SSTab1.tabCaption(0), "Kava");
    EXPECT_EQ(m.SSTab1.currentTab(), 0);
    ASSERT_TRUE(app->isLoaded<frm3dShow>());
    EXPECT_FALSE(app->window<frm3dShow>().visible());
    EXPECT_TRUE(messagesInEstonian(m));
}

TEST_F(CaptionTableTest, MessagesAreEstonianOnlyForEestiKeelExactly) {
    for (const char* name : {"eesti.keel", "Eesti.keel", "english.keel", "latvian.keel"}) {
        writeLanguage(name, "[KK]\n");
        apply(name);
        EXPECT_EQ(bilingual(app->window<frmMain>(), "et", "en"),
                  std::string(name) == "eesti.keel" ? "et" : "en")
            << name;
    }
}

// A language file that cannot be read as a whole is named once, with its reason in the language
// it stands for, and the captions keep their built-in texts instead of showing "0".
TEST_F(CaptionTableTest, AnUnreadableFileIsNamedOnceAndTheCaptionsKeepTheirTexts) {
    std::string utf16 = "\xff\xfe";
    for (char ch : std::string("[KK]\r\ncmdSobita=Sobita\r\n")) {
        utf16 += ch;
        utf16 += '\0';
    }
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"eesti.keel", utf16, "binaarne või UTF-16"},
        {"english.keel",
         std::string("[KK]\0\x01\x02"
                     "cmdSobita=x\n",
                     19),
         "binary or UTF-16"},
        {"english.keel", "[KK]\ncmdSobita=" + std::string(16u * 1024 * 1024, 'x') + "\n",
         "larger than 16 MB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        app = std::make_unique<Application>(desktop, folder.path());
        writeLanguage(c.name, c.bytes);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        apply(c.name);
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_NE(desktop.lastMessage().text.find((folder / "language" / c.name).string()),
                  std::string::npos);
        EXPECT_NE(desktop.lastMessage().text.find(c.reason), std::string::npos);
        frmMain& m = app->window<frmMain>();
        EXPECT_EQ(m.lblValitudKeel.caption(), c.name);
        for (const MainCaptionRow& row : kMainCaptionTable) {
            if (row.kind == CaptionTarget::StoreField || row.kind == CaptionTarget::View3dControl)
                continue;
            for (const std::string& shown : shownOn(*app, row))
                EXPECT_NE(shown, "0") << row.key;
        }
        EXPECT_EQ(m.cmdSobita.caption(), "Fit");  // the window's own text
    }
}

}  // namespace
}  // namespace lumbrix
