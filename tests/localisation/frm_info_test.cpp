#include "localisation/frm_info.h"

#include <gtest/gtest.h>

#include "localisation/frm_keele_valik.h"
#include "localisation/main_caption_table.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"
#include "store/frm_main_sub.h"

namespace lumbrix {
namespace {

using test::LocalisationTest;

class InfoBoxTest : public LocalisationTest {
  protected:
    InfoBoxTest() { copyShippedLanguages(); }
};

TEST_F(InfoBoxTest, ShowsItsTextsInTheCurrentLanguageAndChangesNothing) {
    struct Case {
        const char* applied;
        const char* stored;  // DefaultLanguage, which the box leaves alone
        const char* version;
        const char* maker;
        const char* rights;
        const char* back;
    };
    const Case cases[] = {
        {"eesti.keel", nullptr, "Versioon: 3.0", "Autor: VELTORA OÜ",
         "© VELTORA OÜ. Kõik õigused kaitstud.", "Välju"},
        {"english.keel", "eesti.keel", "Version: 3.0", "Developed by: VELTORA OÜ",
         "© VELTORA OÜ. All rights reserved.", "Exit"},
    };
    for (const Case& c : cases) {
        app = std::make_unique<Application>(desktop, folder.path());
        if (c.stored) saveSetting(languagechoice::kDefaultLanguage, c.stored);
        applyLanguageFile(*app, folder / "language", c.applied);
        frmMain& m = app->window<frmMain>();
        desktop.onNextModal([&c](Form& form) {
            auto& box = static_cast<frmInfo&>(form);
            EXPECT_EQ(box.caption(), "Info - LUMBRIX");
            EXPECT_EQ(box.lblInfoLabelVersioon.caption(), c.version);
            EXPECT_EQ(box.lblInfoLabelKirjutanud.caption(), c.maker);
            EXPECT_EQ(box.lblCopyright.caption(), c.rights);
            EXPECT_EQ(box.cmdTagasi.caption(), c.back);
            box.cmdTagasi.press();
        });
        m.mnuProgramInfo.click();
        EXPECT_EQ(desktop.modalWindowsShown().back(), "frmInfo");
        EXPECT_FALSE(app->isLoaded<frmInfo>());
        EXPECT_EQ(m.lblValitudKeel.caption(), c.applied);
        EXPECT_EQ(setting(languagechoice::kDefaultLanguage), c.stored ? c.stored : "-");
        EXPECT_EQ(m.store().lblmnuInfoclicked, "1");
    }
}

}  // namespace
}  // namespace lumbrix
