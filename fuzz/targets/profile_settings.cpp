// Profile settings: any bytes as a settings file. The load leaves plain number texts in the
// store, and settings written back from the store over the file, by the settings writer, read
// back as the same store.
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/application.h"
#include "fuzz_support.h"
#include "millsettings/profile_settings.h"
#include "store/frm_main_sub.h"

using namespace lumbrix;

namespace {

std::vector<std::string> fieldsOf(frmMainSub& s) {
    std::vector<std::string> fields;
    for (const SettingsKey& key : settingsKeysInLoadOrder())
        fields.push_back(s.*key.field);
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::useQuietDesktop();
    static Application app(runtime::desktop(), fuzz::scratchFolder());
    frmMainSub& store = app.window<frmMainSub>();
    const std::string_view bytes = fuzz::bytesOf(data, size);
    static const std::filesystem::path folder = app.installFolder() / "profile";
    const std::filesystem::path file = settingsFilePath(folder);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);  // and the copies of damaged files kept there
    std::filesystem::create_directories(folder, ec);
    if (!writeFileAtomically(file, bytes)) fuzz::violated("the input could not be written");
    fuzz::runReader([&] {
        readSettingsIntoStore(IniDocument::fromBytes(bytes), store);
        for (const SettingsKey& key : settingsKeysInLoadOrder()) {
            if (!key.numeric) continue;
            const std::string& text = store.*key.field;
            if (text == "-0" || text.find_first_of("in") != std::string::npos) {
                fuzz::violated(std::string(key.key) + " holds " + text);
            }
        }
        const std::vector<std::string> loaded = fieldsOf(store);
        // The input written back as a save writes it: by the settings file's own writer, over
        // the input in a scratch folder.
        const FileResult written =
            writeSettingsFile(file, settingsEntries(store, store.lblSalvestatud));
        if (!written) {
            if (written.number == vberr::kInvalidProcedureCall) return;  // a line break in a value
            fuzz::violated("the settings could not be written: " + written.reason);
        }
        const FileBytes back = readFileBytes(file);
        if (!back) fuzz::violated("the written settings cannot be read: " + back.reason);
        readSettingsIntoStore(IniDocument::fromBytes(back.bytes), store);
        if (fieldsOf(store) != loaded) fuzz::violated("written settings read back changed");
        fuzz::runReader([&] { updateDerivedCosts(store); });
    });
    return 0;
}
