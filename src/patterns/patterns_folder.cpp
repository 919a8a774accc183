#include "patterns/patterns_folder.h"

#include <system_error>

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/atomic_file.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

fs::path patternsFolder(const Application& app) {
    return app.installFolder() / "my_patterns";
}

bool offerToCreatePatternsFolder(frmMain& main, const std::string& question) {
    const std::string title = bilingual(main, "Uus kaust?", "New folder?");
    const MsgResult answer = runtime::msgBox(
        bilingual(main, "Ei leia kavade kausta! Teeme kausta?", question), mb::kYesNo, title);
    if (answer != MsgResult::Yes) return false;
    const fs::path folder = patternsFolder(main.app());
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        const int number = writeErrorNumber(ec.value());
        runtime::showErrorBox(
            number,
            bilingual(main, "Kausta ei saa luua: ", "Cannot create the folder: ") +
                fileFailureText(main, FileResult::failure(number, folder, "")),
            title);
        return false;
    }
    return true;
}

}  // namespace lumbrix
