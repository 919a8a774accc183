#pragma once

#include <filesystem>
#include <string>

#include "main_window_fixture.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_salvesta_uus_kava.h"

namespace lumbrix::test {

// The main window with a patterns folder, and the save and open dialogs driven through
// modal scripts as the planner works them.
class PatternDialogTest : public MainWindowTest {
  protected:
    PatternDialogTest();

    std::filesystem::path patterns() const { return folder / "my_patterns"; }

    // Three centre boards, one left side board and two upper edger boards on a log of
    // 200 mm, taper 5 and length 4900 (butt diameter 224.5), with the results computed.
    void buildPattern();
    // Every position full: eight centre boards and two at each other position.
    void buildFullPattern();

    // Presses the main window's Save; the dialog's script runs while it is shown.
    void saveWith(const std::function<void(frmSalvestaUusKava&)>& script);
    // Saves under the name box's proposal (or `name`), pressing Save.
    void saveAs(const std::string& name = "");
    // Presses the main window's Open; the dialog's script runs while it is shown.
    void openWith(const std::function<void(frmAvaKava&)>& script);
    // Opens `file` of the patterns folder by choosing it and pressing Open.
    void openFile(const std::string& file);

    // The last message box shown was this one.
    void expectMessage(const std::string& text, const std::string& title, int style);

    // What the planner sees of the pattern: lists, log, header, notes, name and results.
    std::string screen();
};

// The notes box for `notes`, a file that is not rich text, opened with the pattern and kept
// aside as `keptAs`, or, with keptAs empty, left in its folder that cannot be written.
std::string damagedNotesBox(const std::filesystem::path& notes, const std::filesystem::path& keptAs,
                            bool estonian);

}  // namespace lumbrix::test
