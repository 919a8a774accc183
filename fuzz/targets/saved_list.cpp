// List files: any bytes as a list file. Rows that were read are written and read back the
// same, unchanged rows give the same bytes, and a damaged file is kept before a save.
#include <fstream>

#include "fuzz_support.h"
#include "store/saved_list.h"

using namespace lumbrix;

namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    fuzz::runReader([&] {
        const SavedListRead read = parseSavedList(bytes, "side");
        if (!read.ok() && read.message().find("side") == std::string::npos) {
            fuzz::violated("the message does not name the file");
        }
        if (read.outcome != SavedListRead::Outcome::Rows) return;
        const SavedListBytes written = serializeSavedList(read.rows, storedRows(bytes));
        if (!written.ok) fuzz::violated("rows that were read cannot be written: " + written.reason);
        // A negative count reads as no rows and is written as 0; the rows' bytes stay.
        const std::size_t header = savedlist::kHeaderSize;
        const bool negative = static_cast<unsigned char>(bytes[header - 1]) >= 0x80;
        if (bytes.substr(negative ? header : 0, written.bytes.size() - (negative ? header : 0)) !=
            std::string_view(written.bytes).substr(negative ? header : 0)) {
            fuzz::violated("unchanged rows do not give the same bytes");
        }
        if (parseSavedList(written.bytes).rows != read.rows) {
            fuzz::violated("written rows read back changed");
        }
    });

    // The same through the files, for damaged input: kept whole beside the new list.
    const std::filesystem::path folder = fuzz::scratchFolder();
    std::ofstream(folder / "side", std::ios::binary)
        .write(bytes.data(), static_cast<long>(bytes.size()));
    fuzz::runReader([&] {
        const SavedListRead read = readSavedList(folder / "side");
        if (!writeSavedList(folder / "side", {"new row"})) fuzz::violated("the save failed");
        if (read.damaged() && fileBytes(folder / "side.damaged") != bytes) {
            fuzz::violated("a damaged file was not kept whole");
        }
        if (readSavedList(folder / "side").rows != std::vector<std::string>{"new row"}) {
            fuzz::violated("the saved list does not read back");
        }
    });
    return 0;
}
