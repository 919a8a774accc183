// Fuzz target: a language file's bytes through the reader, every key the program reads looked
// up. A caption is never longer than 254 characters and reading never fails.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "localisation/dialog_captions.h"
#include "localisation/language_file.h"
#include "localisation/main_caption_table.h"
#include "platform/codec.h"
#include "platform/text.h"

namespace {

void check(const lumbrix::LanguageFile& file, const char* section, const char* key) {
    if (lumbrix::Len(file.caption(section, key)) > lumbrix::kMaxProfileValueLength) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumbrix;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LanguageFile file = LanguageFile::fromText(decodeFileText(bytes));
    for (const MainCaptionRow& row : kMainCaptionTable)
        check(file, row.section, row.key);
    for (const DialogCaptionTable* table : dialogcaptions::kAll) {
        for (const DialogCaptionRow& row : table->rows) {
            if (row.key) check(file, table->section, row.key);
        }
    }
    return 0;
}
