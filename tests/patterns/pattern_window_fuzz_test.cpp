// The pattern pair opened into the main window, over the fuzz target's seeds and inputs made
// from them: cut anywhere, values and rows replaced by what the program never writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "pattern_window_fuzz_target.h"
#include "platform/atomic_file.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> seeds() {
    std::vector<std::string> found;
    for (const fs::directory_entry& e :
         fs::directory_iterator(fs::path(test::kSourceDir) / "fuzz/corpus/pattern_window")) {
        found.push_back(readFileBytes(e.path()).bytes);
    }
    return found;
}

TEST(PatternWindowFuzzTarget, EveryBoxNamesItsFileAndARefusalChangesNothing) {
    const std::vector<std::string> corpus = seeds();
    ASSERT_GE(corpus.size(), 4u);
    std::vector<std::string> inputs = corpus;
    const std::vector<std::string> strange = {
        "",     "0",  "-5",   "abc",       "1E999", "99999999", "1E-999", "&HFFFF", "1,5",
        "0.0",  " ",  "x",    "\"\"",      "=",     "-0",       "1e5",    "300",    "2800",
        "6100", "10", "6101", "0.0000001", "\t",    "9.9.9",    "\xF5",   "Ж"};
    std::mt19937 random(20261207);
    for (int n = 0; n < 400; ++n) {
        std::string input = corpus[random() % corpus.size()];
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int k = 0; k < changes && !input.empty(); ++k) {
            const std::size_t at = random() % input.size();
            const std::size_t length = random() % 12;
            switch (random() % 3) {
                case 0:  // a value or part of a row replaced
                    input.replace(at, length, strange[random() % strange.size()]);
                    break;
                case 1:  // cut short
                    input.resize(at);
                    break;
                default:  // a line left out
                    input.erase(at, input.find('\n', at) - at);
                    break;
            }
        }
        inputs.push_back(std::move(input));
    }
    for (const std::string& input : inputs) {
        const std::string violation = test::patternWindowViolation(input);
        EXPECT_EQ(violation, "") << "input: " << ::testing::PrintToString(input);
        if (!violation.empty()) break;
    }
}

}  // namespace
}  // namespace lumbrix
