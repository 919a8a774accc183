#include "platform/path_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumbrix {
namespace {

TEST(PathNames, RefusedAndAcceptedNames) {
    struct Case {
        std::string name;
        const char* reason;  // nullptr when the name is accepted
    };
    const std::vector<Case> cases = {
        {"", "The name is empty."},
        {".", "The name cannot be \".\" or \"..\"."},
        {"..", "The name cannot be \".\" or \"..\"."},
        {"../kava", "The name cannot contain \"/\" or \"\\\"."},
        {"a/b", "The name cannot contain \"/\" or \"\\\"."},
        {"a\\b", "The name cannot contain \"/\" or \"\\\"."},
        {"/", "The name cannot contain \"/\" or \"\\\"."},
        {"kava\n", "The name cannot contain control characters."},
        {"ka\tva", "The name cannot contain control characters."},
        {std::string("ka\0va", 5), "The name cannot contain control characters."},
        {"kava\x7F", "The name cannot contain control characters."},
        {"\x1F", "The name cannot contain control characters."},
        {"kava", nullptr},
        {"õunapuu 250 ŠŽ", nullptr},
        {"...", nullptr},
        {".kava", nullptr},
        {"kava.kava", nullptr},
        {" ", nullptr},
        {"€ 100%", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.name + "]");
        const auto refusal = checkNameForPath(c.name);
        if (c.reason == nullptr) {
            EXPECT_FALSE(refusal.has_value()) << *refusal;
        } else {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(*refusal, c.reason);
        }
    }
}

}  // namespace
}  // namespace lumbrix
