// The planner's guide abi.PDF as the build writes it beside the program: a section for every
// window in Estonian and in English, the windows' own words as the language files give them,
// and every word inside its page, apart from the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "command_output.h"
#include "localisation/language_file.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

fs::path guidePath() {
    return fs::path(test::kBuildDir) / "abi.PDF";
}

// The guide's text in reading order with every run of blanks, line and page breaks made one
// blank, and without the page numbers (lines holding only digits), so that a phrase broken
// over two lines or two pages reads whole.
std::string guideText() {
    const std::string raw =
        test::commandOutput("pdftotext -enc UTF-8 '" + guidePath().string() + "' - 2>/dev/null");
    std::string text;
    std::string line;
    auto flush = [&] {
        const bool pageNumber =
            !line.empty() && line.find_first_not_of("0123456789") == std::string::npos;
        if (!pageNumber && !line.empty()) text += line + ' ';
        line.clear();
    };
    for (char c : raw) {
        if (c == '\n' || c == '\f') {
            flush();
        } else {
            line += c;
        }
    }
    flush();
    // The typeface joins "fi", "fl" and "ff" into one glyph; the words are read without them.
    for (const auto& [ligature, letters] :
         {std::pair{"\uFB00", "ff"}, std::pair{"\uFB01", "fi"}, std::pair{"\uFB02", "fl"},
          std::pair{"\uFB03", "ffi"}, std::pair{"\uFB04", "ffl"}})
        text = std::regex_replace(text, std::regex(ligature), letters);
    // A no-break space keeps a caption on one line; it reads as a blank.
    text = std::regex_replace(text, std::regex("\u00A0"), " ");
    return std::regex_replace(text, std::regex("[ \t]+"), " ");
}

constexpr const char* kEnglishTitle = "LUMBRIX — planner's guide";
constexpr const char* kEstonianTitle = "LUMBRIX — kasutusjuhend";

struct Halves {
    std::string estonian;
    std::string english;
};

// The English half begins at its title; the Estonian introduction names that title too.
Halves halves(const std::string& text) {
    const auto english = text.rfind(kEnglishTitle);
    if (english == std::string::npos) return {text, ""};
    return {text.substr(0, english), text.substr(english)};
}

class Guide : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(fs::exists(guidePath())) << "the build writes the guide";
        text_ = new std::string(guideText());
        ASSERT_FALSE(text_->empty()) << "pdftotext (poppler-utils) reads the guide";
    }
    static void TearDownTestSuite() {
        delete text_;
        text_ = nullptr;
    }
    static const std::string& text() { return *text_; }

  private:
    static std::string* text_;
};

std::string* Guide::text_ = nullptr;

TEST_F(Guide, IsWrittenInEstonianFirstThenInEnglish) {
    const auto estonian = text().find(kEstonianTitle);
    const auto english = text().rfind(kEnglishTitle);
    ASSERT_NE(estonian, std::string::npos);
    ASSERT_NE(english, std::string::npos);
    EXPECT_LT(estonian, english);
}

// One numbered section per window or task, in the same order in both languages.
struct Section {
    const char* estonian;
    const char* english;
};
constexpr Section kSections[] = {
    {"1 Käivitamine ja keele valik", "1 Start-up and language choice"},
    {"2 Peaaken", "2 The main window"},
    {"3 Kava koostamine samm-sammult", "3 Building a pattern, step by step"},
    {"4 Tooted ja hinnad (tootekataloog)", "4 Products and prices (the catalogue)"},
    {"5 Kava salvestamine", "5 Saving a pattern"},
    {"6 Kava avamine ja kustutamine", "6 Opening and deleting patterns"},
    {"7 Võrdlusriba", "7 The comparison strip"},
    {"8 Arvutuste aruanne", "8 The calculations report"},
    {"9 Eelvaade ja printimine", "9 Preview and printing"},
    {"10 Seaded", "10 Settings"},
    {"11 Palgihinnad", "11 Log prices"},
    {"12 Profiilid", "12 Profiles"},
    {"13 Kuine tootmismaht", "13 Monthly production volume"},
    {"14 Materjali soovitamine", "14 Material suggestion"},
    {"15 3D-vaade", "15 The 3D view"},
    {"16 Info, abi ja väljumine", "16 About, help and exit"},
};

TEST_F(Guide, HoldsASectionForEveryWindowInBothLanguagesInOrder) {
    const Halves h = halves(text());
    std::size_t estonianAt = 0;
    std::size_t englishAt = 0;
    for (const Section& s : kSections) {
        const auto e = h.estonian.find(s.estonian, estonianAt);
        EXPECT_NE(e, std::string::npos) << "Estonian section: " << s.estonian;
        if (e != std::string::npos) estonianAt = e;
        const auto n = h.english.find(s.english, englishAt);
        EXPECT_NE(n, std::string::npos) << "English section: " << s.english;
        if (n != std::string::npos) englishAt = n;
    }
}

// The words that the guide tells the planner to look for, as the program shows them: window
// captions, buttons, menus and fields, each in the language of its half of the guide.
struct Captions {
    const char* section;
    std::vector<const char*> keys;
};
const Captions kCaptions[] = {
    // main window: tabs and menus
    {"KK",
     {"SSTab1Tab1", "SSTab1Tab2", "mnuProgramm", "mnuProgramSeaded", "mnuHelplbl", "mnuProgramInfo",
      "mnuProgramExit", "mnuSaekava", "mnuSaekavaUus", "mnuSaekavaAva", "mnuSaekavaSalvesta",
      "mnuSaekavaEelvaade", "mnuSaekavaPrindi"}},
    // main window: buttons, log frame and options
    {"KK",
     {"cmdUusKava", "cmdAvaKava", "cmdSalvestaUusKava", "cmdSoovita", "cmdSobita", "frmpalgiinfo",
      "optSydmat", "optSeimrilaud", "optKyljelaud"}},
    // main window: pop-up menus
    {"KK",
     {"mnupalk3Denablelbl", "mnupalkaddtocomparelbl", "mnuArvutusedSydamematerjallbl",
      "mnuArvutusedKyljelauadlbl", "mnuautofitlbl", "mnuautoscrolllbl", "mnukustutavalitud",
      "mnukustutakoik", "lblmnusalvestaprofiil"}},
    // main window: margin frame and pattern header
    {"KK",
     {"frmSaekavaMarginalCaption", "lblKKLabelMuudkuludHind", "kavakuupaev", "kavakoostaja",
      "kavanotes"}},
    // catalogue tab
    {"TH",
     {"frmTooteliigid", "optTootedSydmat", "optTootedSeimrilaud", "optTootedKyljelaud", "cmdArvuta",
      "cmdLisaDim", "cmdMuuda", "cmdKustutaDim", "cmdShowCalculations", "cmdPalgihinnad"}},
    // calculations report
    {"AR", {"frmArvutusedlabel", "lblArvutusedlblNETRawmateriallbl"}},
    // 3D view
    {"3d", {"lbl3dshowlblJoonepaksuslbl"}},
    // settings
    {"SE",
     {"frmSeadedCaption", "frmSeadedKappimisedCaption", "frmSeadedKettadCaption",
      "frmPuistekoefitsentCaption", "frmSeadedPikkusMoodulCaption", "chkArvutaTaiskantcaption",
      "chkNaitaKeeleValikutCaption", "cmdSalvestaCaption", "cmdOKCaption"}},
    // log prices
    {"PH",
     {"frmPalgihinnadCaption", "cmdLisaHindCaption", "cmdKustutaCaption",
      "lblPalgihinnadLabelPalgiTaskulbl"}},
    // profiles
    {"PR",
     {"lblfrmProfiilCaption", "lblcmdLaeCaption", "lblcmdUusCaption", "lblcmdKustutaCaption",
      "lblcmdTagasiCaption", "lblfraUusProfiil", "lbllblNewProfile",
      "lblchkMaaraVaikimisiProfiiliks"}},
    // suggestion
    {"SO", {"frmSoovitaCaption", "cmdJoonistaKavaCaption", "cmdTagasiCaption"}},
    // open pattern
    {"AK",
     {"frmAvaKavaCaption", "cmdAvaKavaCaption", "cmdKavadeKaustCaption", "cmdKustutaKavaCaption",
      "cmdTyhistaCaption", "lblAvaKavaSaekavaNimiCaption"}},
    // save pattern
    {"SU",
     {"frmSalvestaUusKavaCaption", "lblSalvestaUuekavanimiCaption", "cmdSaveCaption",
      "cmdTagasiCaption", "chkAutoNameCaption"}},
};

// A caption as the planner reads it: the "&" that marks a keyboard shortcut is not shown.
std::string shown(std::string caption) {
    std::erase(caption, '&');
    return caption;
}

TEST_F(Guide, NamesTheWindowsWordsAsTheLanguageFilesGiveThem) {
    const fs::path folder = fs::path(test::kShippedDataDir) / "language";
    const LanguageFile estonian(folder / "eesti.keel");
    const LanguageFile english(folder / "english.keel");
    const Halves h = halves(text());
    for (const Captions& c : kCaptions) {
        for (const char* key : c.keys) {
            const std::string e = shown(estonian.caption(c.section, key));
            const std::string n = shown(english.caption(c.section, key));
            ASSERT_NE(e, kMissingCaption) << c.section << "/" << key;
            ASSERT_NE(n, kMissingCaption) << c.section << "/" << key;
            EXPECT_NE(h.estonian.find(e), std::string::npos)
                << "Estonian guide lacks \"" << e << "\" (" << c.section << "/" << key << ")";
            EXPECT_NE(h.english.find(n), std::string::npos)
                << "English guide lacks \"" << n << "\" (" << c.section << "/" << key << ")";
        }
    }
}

// Texts that the windows set themselves rather than take from the language files.
constexpr Section kProgramTexts[] = {
    {"START", "START"},
    {"Ära seda akent enam näita", "Skip this windows on next startup"},
    {"Kuise tootmismahu muutmine", "Change monthly production volume"},
    {"Lumbrix - 3D", "Lumbrix - 3D"},
    {"TÖÖKÄSK NR:", "WORKORDER NR:"},
    {"Keskele", "Centre"},
    {"Üles", "Up"},
    {"Alla", "Down"},
    {"Vasakule", "Left"},
    {"Paremale", "Right"},
    {"Päis", "Header"},
    {"Kava päis", "Pattern header"},
    {"Salvesta nimega...", "Save as..."},
};

TEST_F(Guide, NamesTheTextsTheWindowsSetThemselves) {
    const Halves h = halves(text());
    for (const Section& t : kProgramTexts) {
        EXPECT_NE(h.estonian.find(t.estonian), std::string::npos) << t.estonian;
        EXPECT_NE(h.english.find(t.english), std::string::npos) << t.english;
    }
}

TEST_F(Guide, KeepsTheEstonianLetters) {
    const Halves h = halves(text());
    for (const char* letter : {"õ", "ä", "ö", "ü", "Ä", "Ö", "Ü"})
        EXPECT_NE(h.estonian.find(letter), std::string::npos) << letter;
    // Text read in the wrong encoding shows as "Ã" pairs or replacement characters.
    for (const char* broken : {"Ã", "\xEF\xBF\xBD"})
        EXPECT_EQ(text().find(broken), std::string::npos) << broken;
}

// One word of the PDF with its box, in points from the page's top left corner.
struct Word {
    int page;
    double width;
    double height;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
    std::string text;
};

std::vector<Word> guideWords() {
    const std::string xml = test::commandOutput("pdftotext -bbox -enc UTF-8 '" +
                                                guidePath().string() + "' - 2>/dev/null");
    const std::regex pageTag(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex wordTag(
        R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    int page = 0;
    double width = 0;
    double height = 0;
    std::size_t at = 0;
    while (at < xml.size()) {
        const auto end = xml.find('\n', at);
        const std::string line = xml.substr(at, end == std::string::npos ? end : end - at);
        at = end == std::string::npos ? xml.size() : end + 1;
        std::smatch m;
        if (std::regex_search(line, m, pageTag)) {
            ++page;
            width = std::stod(m[1]);
            height = std::stod(m[2]);
        } else if (std::regex_search(line, m, wordTag)) {
            words.push_back({page, width, height, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]),
                             std::stod(m[4]), m[5]});
        }
    }
    return words;
}

constexpr double kPointsPerMillimetre = 72.0 / 25.4;

TEST_F(Guide, KeepsEveryWordInsideThePageMargins) {
    const std::vector<Word> words = guideWords();
    ASSERT_GT(words.size(), 2000u) << "both languages in full";
    // The text stands 3 cm from every edge; the page number sits in the bottom margin.
    const double side = 25 * kPointsPerMillimetre;
    const double bottom = 10 * kPointsPerMillimetre;
    for (const Word& w : words) {
        EXPECT_GE(w.xMin, side) << "page " << w.page << ": " << w.text;
        EXPECT_LE(w.xMax, w.width - side) << "page " << w.page << ": " << w.text;
        EXPECT_GE(w.yMin, side) << "page " << w.page << ": " << w.text;
        EXPECT_LE(w.yMax, w.height - bottom) << "page " << w.page << ": " << w.text;
    }
}

TEST_F(Guide, SetsNoWordOverAnother) {
    const std::vector<Word> words = guideWords();
    // Boxes of neighbouring lines may touch; a real overlap covers more than a point each way.
    constexpr double kTouch = 1.0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = i + 1; j < words.size() && words[j].page == words[i].page; ++j) {
            const Word& a = words[i];
            const Word& b = words[j];
            const double across = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
            const double down = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
            EXPECT_FALSE(across > kTouch && down > kTouch)
                << "page " << a.page << ": \"" << a.text << "\" and \"" << b.text << "\"";
        }
    }
}

// The height of most words: the body text's line.
double bodyLineHeight(const std::vector<Word>& words) {
    std::map<long, int> heights;
    for (const Word& w : words)
        ++heights[std::lround((w.yMax - w.yMin) * 10)];
    const auto most = std::max_element(heights.begin(), heights.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return most->first / 10.0;
}

TEST_F(Guide, EndsNoPageWithAHeading) {
    const std::vector<Word> words = guideWords();
    ASSERT_FALSE(words.empty());
    const double body = bodyLineHeight(words);
    // The last line of text on each page, above the page number in the bottom margin.
    std::map<int, const Word*> last;
    for (const Word& w : words) {
        if (w.yMax > w.height - 25 * kPointsPerMillimetre) continue;
        const Word*& l = last[w.page];
        if (l == nullptr || w.yMin > l->yMin) l = &w;
    }
    for (const auto& [page, w] : last) {
        EXPECT_LT(w->yMax - w->yMin, body + 0.5)
            << "page " << page << " ends with the heading \"" << w->text << "\"";
    }
}

}  // namespace
}  // namespace lumbrix
