// A file that cannot be written is reported in the program's language, with the program's own
// words for the reason in Estonian: the system's reasons ("Permission denied") are English only.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

#include "localisation/main_caption_table.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_kulude_muutmine.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "patterns/frm_salvesta_uus_kava.h"
#include "test_files.h"

namespace lumbrix {
namespace {

class FileMessagesTest : public test::LocalisationTest {
  protected:
    FileMessagesTest() { folder.copyShippedData(); }
};

TEST_F(FileMessagesTest, AFailedSaveIsReportedInTheProgramsLanguage) {
    struct Case {
        const char* language;
        int error;
        const char* reason;
        const char* systemReason;
    };
    const Case cases[] = {
        {"eesti.keel", EACCES, "juurdepääs on keelatud", "Permission denied"},
        {"eesti.keel", ENOSPC, "kettal ei ole ruumi", "No space left on device"},
        {"eesti.keel", EROFS, "failisüsteem on ainult lugemiseks", "Read-only file system"},
        // An English program keeps the system's own words, which name the failure exactly.
        {"english.keel", EACCES, "Permission denied", nullptr},
        {"english.keel", EROFS, "Read-only file system", nullptr},
    };
    const std::function<void(Application&)> saves[] = {
        [](Application& app) {
            frmKuludeMuutmine& volume = app.window<frmKuludeMuutmine>();
            volume.txtKuineTootmismaht.setText("120");
            volume.cmdOK.press();
        },
        [](Application& app) {
            frmPalgiHinnad& prices = app.window<frmPalgiHinnad>();
            prices.txtpalgitasku.setText("1");
            prices.txtMinDiameeter.setText("10");
            prices.txtMaxDiameeter.setText("600");
            prices.txtHind.setText("50");
            prices.cmdLisaHind.press();
            prices.cmdTagasi.press();
        },
        [](Application& app) {
            frmSalvestaUusKava& save = app.window<frmSalvestaUusKava>();
            save.txtfailinimi.setText("kava1");
            save.cmdSave.press();
        },
    };
    for (const Case& c : cases) {
        for (const auto& save : saves) {
            SCOPED_TRACE(std::string(c.language) + " " + c.reason);
            app = std::make_unique<Application>(desktop, folder.path());
            applyLanguageFile(*app, folder / "language", c.language);
            test::FailingWriteSink sink(c.error);
            const ScopedFileSink failing(sink);
            desktop.clearMessages();
            desktop.expectMessage(MsgResult::Ok);
            save(*app);
            ASSERT_EQ(desktop.messages().size(), 1u);
            const std::string& text = desktop.lastMessage().text;
            EXPECT_NE(text.find(c.reason), std::string::npos) << text;
            if (c.systemReason) {
                EXPECT_EQ(text.find(c.systemReason), std::string::npos) << text;
            }
            EXPECT_NE(text.find(folder.path().string()), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace lumbrix
