// Every window speaks the language the planner chose: an Estonian program shows no English
// caption and an English program no Estonian one. Each window is loaded once in each language
// with the shipped language files, and every caption the planner can read (the window's own,
// its controls', its tabs' and its menus') is compared control by control: a caption that reads
// the same in both languages is a text the language does not reach, unless it is one of the
// few words both languages write alike.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calculation/frm_soovita.h"
#include "localisation/frm_info.h"
#include "localisation/frm_keele_valik.h"
#include "localisation/main_caption_table.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_kulude_muutmine.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_profiil.h"
#include "millsettings/frm_seaded.h"
#include "patterns/frm_arvutused.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_print_preview.h"
#include "patterns/frm_salvesta_uus_kava.h"
#include "platform/codec.h"
#include "platform/menu.h"
#include "platform/tab_strip.h"
#include "store/board_row.h"
#include "test_paths.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix {
namespace {

using Captions = std::map<std::string, std::string>;  // "window.control" -> caption

// Words that Estonian and English write alike.
const std::set<std::string> kSameInBothLanguages = {
    "OK",
    "EBIT",
    "EBITDA",
    "ROCE",
    "Info",
    "Info - LUMBRIX",
    "LUMBRIX - v3.0",
    "Lumbrix - 3D",
    "Trimmer, mm",
    // the sheet's bold, italic and underline buttons, and the close crosses
    "B",
    "I",
    "U",
    "X",
};

// Controls that show data (names, file names, figures), not captions.
const std::set<std::string> kDataControls = {
    "frmMain.lblValitudProfiil",
    "frmMain.lblSaekavanimi",
    "frmMain.lblValitudKeel",
    "frmPrintPreview.lblProfiil",
    "frmPrintPreview.lblSaekavanimi",
    "frmArvutused.lblSaekavanimi",
    "frmArvutused.lblProgramNameVer",
    "frmPrintPreview.lblProgramNameVer",
    "frmInfo.Label1",
    "frmInfo.lblCopyright",
    "frmMain.lblinfo",
    "frmSoovita.lblParimRistloige",
    "frmSoovita.lblparimristloigesaag",
    // never shown: the button that the program presses to reload the profile
    "frmMain.cmdLaeprofiil",
};

bool hasLetters(const std::string& text) {
    for (unsigned char ch : text) {
        if (std::isalpha(ch) || ch >= 0x80) return true;
    }
    return false;
}

bool showsCaption(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::Frame:
            return true;
        default:
            return false;
    }
}

// A hidden top-level menu serves as a pop-up: its own caption is never shown, its items are.
void collectMenu(const std::string& window, const Menu& menu, Captions& out, bool topLevel) {
    if (!menu.isSeparator() && !(topLevel && !menu.visible()))
        out[window + "." + menu.name()] = menu.caption();
    for (const Menu* item : menu.items())
        collectMenu(window, *item, out, false);
}

Captions captionsOf(const Form& form) {
    Captions out;
    const std::string& window = form.name();
    out[window] = form.caption();
    for (const Control* c : form.controls()) {
        std::string name = window + "." + c->name();
        if (c->index() >= 0) name += "(" + std::to_string(c->index()) + ")";
        if (kDataControls.count(name) != 0u) continue;
        if (showsCaption(c->kind())) out[name] = c->caption();
        if (c->kind() == ControlKind::TabStrip) {
            const auto& tabs = static_cast<const TabStrip&>(*c);
            for (int page = 0; page < tabs.tabCount(); ++page)
                out[name + ".tab" + std::to_string(page)] = tabs.tabCaption(page);
        }
    }
    for (const Menu* menu : form.menus())
        collectMenu(window, *menu, out, true);
    return out;
}

class WindowLanguagesTest : public test::LocalisationTest {
  protected:
    // Every window as the program shows it in `language`, started as the program starts.
    Captions everyWindow(const std::string& language) {
        app = std::make_unique<Application>(desktop, folder.path());
        saveSetting(languagechoice::kDefaultLanguage, language);
        applyLanguageFile(*app, folder / "language", language);
        Captions all = captionsOf(app->window<frmMain>());
        const auto add = [&all](const Form& form) {
            for (const auto& [where, text] : captionsOf(form))
                all[where] = text;
        };
        frmMain& m = app->window<frmMain>();
        m.SSTab1.setCurrentTab(1);
        add(m);
        add(app->window<frmSeaded>());
        add(app->window<frmPalgiHinnad>());
        add(app->window<frmProfiil>());
        add(app->window<frmKuludeMuutmine>());
        add(app->window<frmAvaKava>());
        add(app->window<frmSalvestaUusKava>());
        add(app->window<frmArvutused>());
        add(app->window<frmSoovita>());
        add(app->window<frm3dShow>());
        // The sheet shows a pattern with a centre board; the information box is opened from
        // the menu, as the planner opens them.
        m.lstSyda.addItem(composeBoardRow(boardRowHead("    50", "   150", "    52", "   155"),
                                          5200, 0.04, "  450"));
        // The drawing names the board under the pointer and its zoom.
        m.picBack.MouseMove.raise(0, 0, 5, 5);
        m.picsyda[0].MouseMove.raise(0, 0, 1, 1);
        add(m);
        for (Menu* command : {&m.mnuSaekavaEelvaade, &m.mnuProgramInfo}) {
            desktop.onNextModal([&add](Form& form) {
                add(form);
                form.unload();
            });
            command->click();
        }
        return all;
    }
};

TEST_F(WindowLanguagesTest, NoCaptionReadsTheSameInEstonianAndEnglish) {
    folder.copyShippedData();
    const Captions estonian = everyWindow("eesti.keel");
    const Captions english = everyWindow("english.keel");
    for (const auto& [where, text] : estonian) {
        const auto other = english.find(where);
        ASSERT_NE(other, english.end()) << where;
        if (!hasLetters(text) || kSameInBothLanguages.count(text) != 0u) continue;
        EXPECT_NE(text, other->second) << where << " reads \"" << text << "\" in both languages";
    }
}

// Every text of a shipped language file.
std::set<std::string> textsOfFile(const char* name) {
    std::ifstream in(std::filesystem::path(test::kShippedDataDir) / "language" / name,
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::set<std::string> texts;
    std::istringstream lines(decodeFileText(bytes.str()));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && line[0] != ';') texts.insert(line.substr(eq + 1));
    }
    return texts;
}

TEST_F(WindowLanguagesTest, NoWindowShowsATextOfTheOtherLanguagesFile) {
    folder.copyShippedData();
    const std::set<std::string> estonianFile = textsOfFile("eesti.keel");
    const std::set<std::string> englishFile = textsOfFile("english.keel");
    struct Case {
        const char* language;
        const std::set<std::string>& own;
        const std::set<std::string>& other;
    };
    for (const Case& c : {Case{"eesti.keel", estonianFile, englishFile},
                          Case{"english.keel", englishFile, estonianFile}}) {
        for (const auto& [where, text] : everyWindow(c.language)) {
            if (c.own.count(text) != 0u || kSameInBothLanguages.count(text) != 0u) continue;
            EXPECT_EQ(c.other.count(text), 0u)
                << c.language << ": " << where << " shows \"" << text << "\" of the other file";
        }
    }
}

}  // namespace
}  // namespace lumbrix
