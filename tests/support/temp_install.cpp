#include "temp_install.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "test_paths.h"

namespace lumbrix::test {

namespace fs = std::filesystem;

TempInstallFolder::TempInstallFolder() {
    std::random_device rd;
    std::mt19937_64 gen(rd());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() / ("lumbrix-test-" + std::to_string(gen()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary installation folder");
}

TempInstallFolder::~TempInstallFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempInstallFolder::copyShippedData() const {
    fs::copy(kShippedDataDir, path_,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void TempInstallFolder::writeFile(const std::string& relative, const std::string& bytes) const {
    const fs::path p = path_ / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write test file " << p;
}

std::string TempInstallFolder::readFile(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read test file " << (path_ / relative);
        return {};
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace lumbrix::test
