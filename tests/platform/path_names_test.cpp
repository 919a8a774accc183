#include "platform/path_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumbrix {
namespace {

TEST(PathNames, RefusedAndAcceptedNames) {
    const char* dots = "The name cannot be \".\" or \"..\".";
    const char* slash = "The name cannot contain \"/\" or \"\\\".";
    const char* control = "The name cannot contain control characters.";
    struct Case {
        std::string name;
        const char* reason;  // nullptr when the name is accepted
    };
    const std::vector<Case> cases = {
        {"", "The name is empty."}, {"..", dots},
        {"../kava", slash},         {"a\\b", slash},
        {"ka\tva", control},        {std::string("ka\0va", 5), control},
        {"kava\x7F", control},      {"õunapuu 250 ŠŽ", nullptr},
        {"...", nullptr},           {".kava", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.name + "]");
        const auto refusal = checkNameForPath(c.name);
        EXPECT_EQ(refusal.value_or("accepted"), c.reason ? c.reason : "accepted");
    }
}

}  // namespace
}  // namespace lumbrix
