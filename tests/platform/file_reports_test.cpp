#include "platform/file_reports.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/event_runtime.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

void report(const char* file) {
    reportFileProblem(file, std::string("about ") + file, mb::kCritical, "title");
}

TEST(FileReports, OneBoxPerFileAndEventAlsoInsideAModalLoop) {
    test::TestDesktop desktop;
    const struct {
        const char* what;
        std::function<void()> event;
        std::size_t boxes;
    } cases[] = {
        {"one event reads a file through several procedures",
         [] {
             report("/p/side");
             runtime::dispatch(nullptr, "inner", [] { report("/p/side"); });
             report("/p/./side");
             report("/p/center");
         },
         2},
        {"the next event reports again", [] { report("/p/side"); }, 1},
        {"two events of a modal window's loop are two events",
         [] {
             const runtime::ModalLoopScope loop;
             for (int i = 0; i < 2; ++i)
                 runtime::dispatch(nullptr, "in the dialog", [] { report("/p/side"); });
         },
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        desktop.clearMessages();
        for (std::size_t i = 0; i < c.boxes; ++i)
            desktop.expectMessage(MsgResult::Ok);
        runtime::dispatch(nullptr, "event", c.event);
        EXPECT_EQ(desktop.messages().size(), c.boxes);
    }
    desktop.clearMessages();
    desktop.expectMessage(MsgResult::Ok);
    desktop.expectMessage(MsgResult::Ok);
    report("/p/side");  // outside any handler each call shows its box
    report("/p/side");
    EXPECT_EQ(desktop.messages().size(), 2u);
}

}  // namespace
}  // namespace lumbrix
