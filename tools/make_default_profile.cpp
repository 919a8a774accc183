// Writes the profile "LUMBRIX" that a new installation starts with, through the program's own
// writers: the profile file database/LUMBRIX.set and the folder database/LUMBRIX with its
// settings, log price table and three product lists. The values are those of a typical
// Nordic softwood (pine and spruce) sawmill.
//
//   make_default_profile FOLDER          writes the profile below FOLDER (an installation
//                                        folder, normally the repository's data/)
//   make_default_profile --check FOLDER  exits with 1 when the files below FOLDER differ
//                                        from what would be written
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/product_row.h"
#include "millsettings/log_price_row.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_settings.h"
#include "platform/ini_file.h"
#include "platform/text.h"
#include "store/numbers.h"
#include "store/saved_list.h"

namespace fs = std::filesystem;
using namespace lumbrix;

namespace {

// Settings in the order every settings writer writes them.
const ProfileEntries kSettings = {
    {"KappimineSydMat", "100"},             // trim of centre boards, mm
    {"KappimineLauad", "150"},              // trim of side and edger boards, mm
    {"PalgiMoodul", "300"},                 // log length module, mm
    {"Palgimahukoefitsent", "0.95"},        // log volume coefficient
    {"KuisedPysikuludKokku", "85000"},      // fixed costs per month
    {"KuisedAmordikuludKokku", "40000"},    // depreciation per month
    {"CE", "4500000"},                      // capital employed
    {"YhikuMuutuvkulud", "28"},             // variable cost per m3 of sawn timber
    {"KuineTootmismaht", "6000"},           // sawn timber per month, m3
    {"Ketas1saag", "4.6"},                  // kerf of the first saw, mm
    {"Ketas2saag", "3.8"},                  // kerf of the second saw, mm
    {"KetasSeimer", "4.2"},                 // kerf of the edger, mm
    {"KetasTrimmer", "5"},                  // kerf of the trimmer, mm
    {"KoefitsentHake", "2.6"},              // chips: loose m3 per solid m3
    {"KoefitsentPuru", "3.2"},              // sawdust: loose m3 per solid m3
    {"KoefitsentKoor", "3"},                // bark: loose m3 per solid m3
    {"KoefitsentKoorPalgist", "0.1"},       // bark share of the log volume
    {"Hakehind", "15.5"},                   // chips per loose m3
    {"saepuruHind", "8.5"},                 // sawdust per loose m3
    {"KoorHind", "6"},                      // bark per loose m3
    {"Salvestatud", "1.03.2026 12:00:00"},  // when these values were set
    {"ArvutaTaiskant", "0"},                // full-edge lengths off
};

struct LogClass {
    const char *minimum, *maximum, *price, *pocket;
};

// Top-diameter classes from 100 to 600 mm: small logs are cheap, the best prices go to the
// middle classes, and the largest logs lose a little again.
const std::vector<LogClass> kLogPrices = {
    {"100", "129", "42", "1"},  {"130", "159", "52", "2"},  {"160", "189", "60", "3"},
    {"190", "219", "66", "4"},  {"220", "249", "70", "5"},  {"250", "279", "73", "6"},
    {"280", "309", "75", "7"},  {"310", "349", "76", "8"},  {"350", "399", "76", "9"},
    {"400", "449", "74", "10"}, {"450", "499", "70", "11"}, {"500", "600", "65", "12"},
};

struct Product {
    int thickness, width;  // nominal (dry), mm
    double shares[3];      // qualities 1 to 3, %
    double prices[3];      // qualities 1 to 3, per m3
    const char* comment;
};

constexpr double kOversize = 4;  // % between the nominal and the sawing size
constexpr const char* kMoisture = "18";

const std::vector<Product> kCentre = {
    {47, 100, {50, 35, 15}, {255, 215, 150}, "kuusk, ehituspuit"},
    {47, 125, {50, 35, 15}, {260, 220, 150}, "kuusk, ehituspuit"},
    {47, 150, {50, 35, 15}, {270, 225, 155}, "kuusk, ehituspuit"},
    {47, 200, {45, 40, 15}, {285, 235, 160}, "kuusk, ehituspuit"},
    {50, 100, {55, 35, 10}, {260, 220, 150}, "mänd, ehituspuit"},
    {50, 125, {55, 35, 10}, {265, 225, 155}, "mänd, ehituspuit"},
    {50, 150, {55, 35, 10}, {275, 230, 160}, "mänd, ehituspuit"},
    {50, 200, {50, 35, 15}, {290, 240, 165}, "mänd, ehituspuit"},
    {63, 150, {55, 35, 10}, {280, 235, 160}, "mänd, tisleripuit"},
    {63, 175, {55, 35, 10}, {290, 240, 165}, "mänd, tisleripuit"},
    {75, 175, {50, 35, 15}, {295, 245, 165}, "mänd, tala"},
    {75, 200, {50, 35, 15}, {305, 250, 170}, "mänd, tala"},
    {75, 225, {45, 40, 15}, {315, 255, 175}, "mänd, tala"},
};

const std::vector<Product> kEdger = {
    {19, 75, {60, 30, 10}, {240, 190, 120}, "kuusk, laudis"},
    {19, 100, {60, 30, 10}, {250, 200, 125}, "kuusk, laudis"},
    {22, 75, {60, 30, 10}, {245, 195, 120}, "kuusk, laudis"},
    {22, 100, {60, 30, 10}, {255, 205, 125}, "mänd, laudis"},
    {25, 100, {65, 25, 10}, {265, 210, 130}, "mänd, voodrilaud"},
    {25, 125, {65, 25, 10}, {275, 215, 135}, "mänd, voodrilaud"},
    {32, 100, {60, 30, 10}, {270, 215, 135}, "mänd, põrandalaud"},
    {32, 125, {60, 30, 10}, {280, 220, 140}, "mänd, põrandalaud"},
};

const std::vector<Product> kSide = {
    {19, 100, {70, 25, 5}, {300, 230, 140}, "kuusk, puhas laud"},
    {19, 125, {70, 25, 5}, {310, 235, 145}, "kuusk, puhas laud"},
    {22, 100, {70, 25, 5}, {305, 235, 140}, "mänd, puhas laud"},
    {22, 125, {70, 25, 5}, {315, 240, 145}, "mänd, puhas laud"},
    {25, 100, {70, 25, 5}, {310, 240, 145}, "mänd, voodrilaud"},
    {25, 125, {70, 25, 5}, {320, 245, 150}, "mänd, voodrilaud"},
    {25, 150, {65, 30, 5}, {330, 250, 150}, "mänd, voodrilaud"},
    {32, 150, {65, 30, 5}, {340, 260, 155}, "mänd, tisleripuit"},
};

// The product as the catalogue editor would add it: sawing thickness = nominal x (100 +
// oversize) / 100, sawing width the same rounded to whole mm, both "0.00"; the quality
// fields in their formats and the share-weighted product price.
std::string productRow(const Product& p) {
    const double factor = 100 + kOversize;
    ProductFields f;
    f.nominalThickness = std::to_string(p.thickness);
    f.nominalWidth = std::to_string(p.width);
    f.sawingThickness = FormatNumber(p.thickness * factor / 100, "0.00");
    f.sawingWidth = FormatNumber(CInt(p.width * factor / 100), "0.00");
    double price = 0;
    for (int k = 0; k < productrow::kQualities; ++k) {
        const double share = k < 3 ? p.shares[k] : 0;
        const double quality = share == 0 ? 0 : p.prices[k];
        f.shares[k] = *qualityShareText(share);
        f.prices[k] = *qualityPriceText(k + 1, quality);
        price += share * quality / 100;
    }
    f.productPrice = *productPriceText(price);
    f.moisture = kMoisture;
    f.comment = p.comment;
    const ProductRowBuild built = buildProductRow(f);
    if (!built.ok()) throw std::runtime_error("product row refused: " + built.refusal);
    return built.row;
}

// The rows in the order of the catalogue editor's sorted list, which is the order it saves.
std::vector<std::string> productRows(const std::vector<Product>& products) {
    std::vector<std::string> rows;
    for (const Product& p : products)
        rows.push_back(productRow(p));
    std::stable_sort(rows.begin(), rows.end(), [](const std::string& a, const std::string& b) {
        return StrCompText(a, b) < 0;
    });
    return rows;
}

std::vector<std::string> logPriceRows() {
    std::vector<std::string> rows;
    for (const LogClass& c : kLogPrices) {
        const LogPriceRowBuild built = buildLogPriceRow(c.minimum, c.maximum, c.price, c.pocket);
        if (!built.ok())
            throw std::runtime_error("log price row refused: " + std::string(c.minimum));
        rows.push_back(built.row);
    }
    return rows;
}

void check(const FileResult& result) {
    if (!result) throw std::runtime_error(result.reason);
}

void writeProfile(const fs::path& installFolder) {
    const fs::path database = databaseFolder(installFolder);
    const fs::path folder = profileFolder(installFolder, kDefaultProfileName);
    fs::create_directories(folder);
    check(writeProfileString(database / (std::string(kDefaultProfileName) + ".set"), "PROFIIL",
                             "NIMI", kDefaultProfileName));
    check(writeSettingsFile(settingsFilePath(folder), kSettings));
    check(writeSavedList(folder / "logprices", logPriceRows()));
    check(writeSavedList(folder / "center", productRows(kCentre)));
    check(writeSavedList(folder / "edger", productRows(kEdger)));
    check(writeSavedList(folder / "side", productRows(kSide)));
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the profile into a fresh temporary folder and compares every file with FOLDER's.
bool matches(const fs::path& installFolder) {
    const fs::path scratch =
        fs::temp_directory_path() / ("lumbrix-default-profile-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    writeProfile(scratch);
    bool same = true;
    for (const auto& entry : fs::recursive_directory_iterator(scratch)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), scratch);
        if (fileBytes(entry.path()) != fileBytes(installFolder / relative)) {
            std::fprintf(stderr, "%s differs from what the program writes\n",
                         (installFolder / relative).c_str());
            same = false;
        }
    }
    fs::remove_all(scratch);
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "--check") return matches(args[1]) ? 0 : 1;
        if (args.size() == 1) {
            writeProfile(args[0]);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_default_profile: %s\n", e.what());
        return 2;
    }
    std::fprintf(stderr, "usage: make_default_profile [--check] INSTALL_FOLDER\n");
    return 2;
}
