#include "platform/path_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lumbrix {
namespace {

TEST(PathNames, RefusedAndAcceptedFileAndProfileNames) {
    const char* dots = "The name cannot be \".\" or \"..\".";
    const char* slash = "The name cannot contain \"/\" or \"\\\".";
    const char* control = "The name cannot contain control characters.";
    std::string sixtyFourLetters;
    for (int i = 0; i < 64; ++i)
        sixtyFourLetters += "õ";
    struct Case {
        std::string name;
        const char* reason;  // nullptr when the name is accepted
    };
    const std::vector<Case> cases = {
        {"", "The name is empty."},
        {"..", dots},
        {"../kava", slash},
        {"a\\b", slash},
        {"ka\tva", control},
        {std::string("ka\0va", 5), control},
        {"kava\x7F", control},
        {"õunapuu 250 ŠŽ", nullptr},
        {"...", nullptr},
        {".kava", nullptr},
        {"kava\u0085", control},
        {"kava\xC2", "The name is not valid text."},
        {"   ", "The name cannot consist of blanks only."},
        {" kava", "The name cannot begin or end with a blank."},
        {"kava ", "The name cannot begin or end with a blank."},
        {std::string(64, 'x'), nullptr},
        {std::string(65, 'x'), "The name cannot be longer than 64 characters."},
        {sixtyFourLetters, nullptr},  // characters count, not bytes
        {"Mill.SET", "The name cannot end in \".set\"."},
        {"Mill.settings", nullptr},
    };
    // Refused as profile names only: a pattern name may have them.
    const std::vector<std::string> profileRulesOnly = {" kava", "kava ", std::string(65, 'x'),
                                                       "Mill.SET"};
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.name + "]");
        const bool profileRule = std::find(profileRulesOnly.begin(), profileRulesOnly.end(),
                                           c.name) != profileRulesOnly.end();
        EXPECT_EQ(checkFileName(c.name).value_or("accepted"),
                  profileRule || !c.reason ? "accepted" : c.reason);
        const auto refusal = checkNameForPath(c.name);
        EXPECT_EQ(refusal.value_or("accepted"), c.reason ? c.reason : "accepted");
        if (!refusal) {  // an accepted name is one folder right below its parent
            const std::filesystem::path database = "/install/database";
            EXPECT_EQ((database / c.name).parent_path(), database);
            EXPECT_EQ((database / c.name).filename().string(), c.name);
        }
    }
}

TEST(PathNames, TextMadeAFileName) {
    const struct {
        std::string text;
        std::string name;
    } cases[] = {{"Saeveski 2_200_50.000x150.00 _3ex", "Saeveski 2_200_50.000x150.00 _3ex"},
                 {" õunapuu ", " õunapuu "},
                 {"200/250\\x", "200_250_x"},
                 {"a\tb\r\nc\u0085", "a_b__c_"},
                 {"a\xC3(b", "a_(b"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(asFileName(c.text), c.name);
        EXPECT_FALSE(checkFileName(asFileName(c.text)));
    }
}

}  // namespace
}  // namespace lumbrix
