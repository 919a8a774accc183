// Opening a pattern over another one gives the figures of the same pattern opened after New:
// nothing of the pattern that was on screen counts in them.
#include <gtest/gtest.h>

#include <functional>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"

namespace lumbrix {
namespace {

using test::PatternDialogTest;

class OpenFigures : public PatternDialogTest {
  protected:
    // Every label of the main window, the lists, log and header, and the store's share and
    // contribution of every board position (the report and the sheet copy from these).
    std::string figures() {
        std::string s = screen();
        const frmMainSub& sub = store();
        const auto add = [&s](const char* name, const auto& elements) {
            for (std::size_t i = 0; i < elements.size(); ++i)
                s += std::string(name) + "(" + std::to_string(i) + "): " + elements[i] + "\n";
        };
        add("lblSydaosakaal", sub.lblSydaosakaal);
        add("lblsydamargin", sub.lblsydamargin);
        add("lblKylgVasakosakaal", sub.lblKylgVasakosakaal);
        add("lblKylgVasakmargin", sub.lblKylgVasakmargin);
        add("lblKylgParemosakaal", sub.lblKylgParemosakaal);
        add("lblKylgParemmargin", sub.lblKylgParemmargin);
        add("lblSeimerAllosakaal", sub.lblSeimerAllosakaal);
        add("lblSeimerAllmargin", sub.lblSeimerAllmargin);
        add("lblSeimerYlevalosakaal", sub.lblSeimerYlevalosakaal);
        add("lblSeimerYlevalmargin", sub.lblSeimerYlevalmargin);
        return s;
    }

    // Three centre boards 47x150, two left and one right side board 22x125, saved as Target.
    void saveTarget() {
        frmMain& m = main();
        for (int i = 0; i < 3; ++i)
            m.lstSyda.addItem(boardRow(47, 150, 50, 156, 5100, 0.036, "250.0"));
        for (ListBox* list : {&m.lstKylgVasak, &m.lstKylgVasak, &m.lstKylgParem})
            list->addItem(boardRow(22, 125, 25, 130, 5100, 0.014, "190.0"));
        m.txtPalk.setText("300");
        m.txtPikkus.setText("5200");
        m.Joonista_palk();
        m.uuenda_materjalid();
        saveAs("Target");
    }
};

TEST_F(OpenFigures, OverAnyPatternTheyAreThoseOfACleanOpen) {
    saveTarget();
    main().Uus_kava();
    openFile("Target.kava");
    const std::string clean = figures();
    ASSERT_NE(main().lblmargintotal.caption(), "");
    const std::string margin = main().lblmargintotal.caption();

    const auto edgers = [this] {
        for (int i = 0; i < 2; ++i)
            main().lstSeimerAll.addItem(boardRow(19, 75, 21, 79, 5100, 0.007, "160.0"));
    };
    const struct {
        const char* what;
        std::function<void()> build;
    } others[] = {
        {"two lower edger boards",
         [&] {
             buildPattern();
             edgers();
             main().uuenda_materjalid();
         }},
        {"every position full", [&] { buildFullPattern(); }},
        {"three centre boards and two upper edger boards", [&] { buildPattern(); }},
    };
    for (const auto& other : others) {
        SCOPED_TRACE(other.what);
        main().Uus_kava();
        other.build();
        main().lblSaekavanimi.setCaption("Other");
        ASSERT_NE(figures(), clean);
        openFile("Target.kava");
        EXPECT_EQ(figures(), clean);
        EXPECT_EQ(main().lblmargintotal.caption(), margin);
        // What a save writes and a parked slot shows come from the same label.
        saveAs("Again");
        EXPECT_NE(folder.readFile("my_patterns/Again.kava").find("EBIT=" + margin + "\r\n"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace lumbrix
