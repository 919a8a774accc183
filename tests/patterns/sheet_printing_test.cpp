// Printing the pattern sheet: at once from the main window, or from the preview, with the
// printer dialog cancelled or a printer that fails.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "print_fixture.h"

namespace lumbrix {
namespace {

using test::PrintTest;

class SheetPrinting : public PrintTest {
  protected:
    void SetUp() override {
        buildPattern();
        main().txtKavaKuupaev.setText("01.02.26");
        main().txtKavaKoostaja.setText("Mari");
        main().txtKavaNotes.setText("Main notes");
        desktop.setNow({2026, 12, 5, 9, 5, 7});
        desktop.onPrint([this](Form& f) {
            auto& s = static_cast<frmPrintPreview&>(f);
            onPaper = s.txtKavaKuupaev.text() + "|" + s.txtKavaKoostaja.text() + "|" +
                      s.txtKavaNotes.text();
            for (const CommandButton* b : {&s.cmdPrindi, &s.cmdSulge, &s.cmdBold, &s.cmdItalic,
                                           &s.cmdUnderline, &s.cmdHide, &s.cmdWordOrder})
                if (b->visible()) onPaper += " +" + b->name();
        });
    }
    void expectPrintErrorBox() {
        EXPECT_EQ(desktop.lastMessage().text, "482 - Printer error");
        EXPECT_EQ(desktop.lastMessage().title, "frmmain/mnuSaekavaPrindi");
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
    }
    std::string onPaper;
};

TEST_F(SheetPrinting, ADirectPrintStampsTodayAndTheUserAndDiscardsTheSheet) {
    const struct {
        const char* username;
        const char* user;
        const char* author;
    } cases[] = {{"planner", "other", "planner"}, {"", "mari", "mari"}};  // USER when empty
    for (const auto& c : cases) {
        SCOPED_TRACE(c.author);
        desktop.setEnvironment("USERNAME", c.username);
        desktop.setEnvironment("USER", c.user);
        main().cmdPrindi.press();
        EXPECT_EQ(onPaper, std::string("05.12.26|") + c.author + "|Main notes");
        EXPECT_FALSE(app->isLoaded<frmPrintPreview>());
    }
    main().mnuSaekavaPrindi.click();
    EXPECT_EQ(desktop.printedWindows().size(), 3u);
    EXPECT_EQ(desktop.printerDialogTitles().back(), "LUMBRIX printing...");
    EXPECT_TRUE(desktop.modalWindowsShown().empty()) << "never shown";
    EXPECT_EQ(main().txtKavaKuupaev.text(), "01.02.26") << "the main window keeps its header";
}

TEST_F(SheetPrinting, ADirectPrintCancelledOrFailingPrintsNothingAndLeavesNoSheet) {
    desktop.setPrinterDialogAnswer(false);
    main().cmdPrindi.press();  // no message
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>());

    desktop.setPrinterDialogAnswer(true);
    desktop.setPrintSucceeds(false);
    desktop.expectMessage(MsgResult::Ok);
    main().cmdPrindi.press();
    expectPrintErrorBox();
    EXPECT_TRUE(desktop.printedWindows().empty());
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>());
}

TEST_F(SheetPrinting, PrintFromThePreviewKeepsTheTypedNotesAsPlainTextInTheMainWindow) {
    main().txtKavaNotes.select(0, 4);
    main().txtKavaNotes.setSelBold(true);
    openPreview([](frmPrintPreview& s) {
        s.txtKavaKoostaja.setText("Jaan");
        s.txtKavaNotes.setText("Typed in preview");
        s.txtKavaNotes.select(0, 5);
        s.cmdUnderline.press();
        s.cmdHide.press();
        s.cmdPrindi.press();
    });
    EXPECT_EQ(onPaper, "01.02.26|Jaan|Typed in preview") << "the preview's header, no buttons";
    EXPECT_EQ(main().txtKavaNotes.text(), "Typed in preview");
    // Every one of the 16 characters plain, the bold the main window's notes had included.
    EXPECT_EQ(main().txtKavaNotes.formats(), std::vector<CharFormat>(16));
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>());

    // The next preview starts afresh: money figures shown, the main window's notes.
    openPreview([](frmPrintPreview& s) {
        EXPECT_TRUE(s.frmSaekavaMarginalCaption.visible());
        EXPECT_EQ(s.txtKavaNotes.text(), "Typed in preview");
    });
}

TEST_F(SheetPrinting, CloseCancelOrAFailingPrinterInThePreviewKeepTheMainWindowsNotes) {
    const auto typeAndThen = [](const std::function<void(frmPrintPreview&)>& leave) {
        return [leave](frmPrintPreview& s) {
            s.txtKavaNotes.setText("Dropped");
            leave(s);
        };
    };
    openPreview(typeAndThen([](frmPrintPreview& s) { s.cmdSulge.press(); }));
    desktop.setPrinterDialogAnswer(false);
    openPreview(typeAndThen([](frmPrintPreview& s) { s.cmdPrindi.press(); }));
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>()) << "a cancel closes the preview";

    desktop.setPrinterDialogAnswer(true);
    desktop.setPrintSucceeds(false);
    desktop.expectMessage(MsgResult::Ok);
    openPreview(typeAndThen([](frmPrintPreview& s) { s.cmdPrindi.press(); }));
    expectPrintErrorBox();
    EXPECT_FALSE(app->isLoaded<frmPrintPreview>());

    EXPECT_EQ(main().txtKavaNotes.text(), "Main notes");
    EXPECT_TRUE(desktop.printedWindows().empty());
    EXPECT_EQ(desktop.modalWindowsShown().size(), 3u);
}

}  // namespace
}  // namespace lumbrix
