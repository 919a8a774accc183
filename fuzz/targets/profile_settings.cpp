// Profile settings: any bytes as a settings file. The load leaves plain number texts in the
// store, and settings written back from the store read back as the same store.
#include <memory>

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
        IniDocument written = IniDocument::fromBytes(bytes);
        for (const auto& [key, value] : settingsEntries(store, store.lblSalvestatud)) {
            const auto stored = storedProfileValue(value);
            if (!stored) return;  // a value the writer refuses (a line break)
            written.set(settingsfile::kSection, key, *stored);
        }
        readSettingsIntoStore(
            IniDocument::fromBytes(encodeFileText(written.text(), written.encoding())), store);
        if (fieldsOf(store) != loaded) fuzz::violated("written settings read back changed");
        fuzz::runReader([&] { updateDerivedCosts(store); });
    });
    return 0;
}
