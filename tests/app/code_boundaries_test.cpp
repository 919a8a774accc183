// The boundaries of the code that the build alone does not enforce: Qt is used only by the
// front end and the program's entry point, and no code opens a Qt dialog except the Qt desktop.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> sourceFiles(const fs::path& root) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            files.push_back(entry.path());
    }
    return files;
}

std::string readAll(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(CodeBoundaries, OnlyTheFrontEndAndTheEntryPointIncludeQt) {
    const fs::path src = fs::path(test::kSourceDir) / "src";
    const std::regex qtInclude(R"(#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/[^>"]*)[>"])");
    std::vector<std::string> offenders;
    for (const auto& file : sourceFiles(src)) {
        const auto rel = fs::relative(file, src).generic_string();
        if (rel.rfind("qt/", 0) == 0 || rel == "main.cpp") continue;
        if (std::regex_search(readAll(file), qtInclude)) offenders.push_back(rel);
    }
    EXPECT_TRUE(offenders.empty())
        << "Qt included outside src/qt: " << ::testing::PrintToString(offenders);
}

TEST(CodeBoundaries, OnlyTheQtDesktopOpensQtDialogs) {
    const fs::path src = fs::path(test::kSourceDir) / "src";
    const std::regex dialogUse(
        R"(\b(QMessageBox|QFileDialog|QPrintDialog|QInputDialog|QColorDialog|QFontDialog)\b)");
    std::vector<std::string> offenders;
    for (const auto& file : sourceFiles(src)) {
        const auto rel = fs::relative(file, src).generic_string();
        if (rel.rfind("qt/qt_desktop", 0) == 0) continue;
        if (std::regex_search(readAll(file), dialogUse)) offenders.push_back(rel);
    }
    EXPECT_TRUE(offenders.empty())
        << "Qt dialogs used outside the Qt desktop: " << ::testing::PrintToString(offenders);
}

}  // namespace
}  // namespace lumbrix
