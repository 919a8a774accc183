// The build folder is a working installation folder: the program finds its shipped content
// and its guide beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

TEST(InstallationFolder, HoldsTheGuideAndTheShippedProfile) {
    const fs::path build(test::kBuildDir);
    const fs::path guide = build / "abi.PDF";
    ASSERT_TRUE(fs::exists(guide));
    std::ifstream in(guide, std::ios::binary);
    char magic[5] = {};
    in.read(magic, 4);
    EXPECT_STREQ(magic, "%PDF");
    EXPECT_GT(fs::file_size(guide), 5000u) << "the guide has content";
    for (const char* file : {"database/LUMBRIX.set", "database/LUMBRIX/settings",
                             "database/LUMBRIX/logprices", "database/LUMBRIX/center"}) {
        EXPECT_TRUE(fs::exists(build / file)) << file;
    }
    EXPECT_TRUE(fs::is_directory(build / "my_patterns" / "compare"));
}

}  // namespace
}  // namespace lumbrix
