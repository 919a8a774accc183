// Names that become paths: an accepted name is one folder directly below the database folder.
#include "fuzz_support.h"
#include "platform/path_names.h"

using namespace lumbrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(fuzz::bytesOf(data, size));
    fuzz::runReader([&] {
        if (checkNameForPath(name)) return;
        const std::filesystem::path database = "/install/database";
        const std::filesystem::path folder = database / name;
        if (folder.parent_path() != database || folder.filename().string() != name ||
            folder.lexically_normal() != folder) {
            fuzz::violated("an accepted name is not one folder below the database: " + name);
        }
        if (name.ends_with(".set") || name.ends_with(".SET")) fuzz::violated("a marker name");
    });
    return 0;
}
