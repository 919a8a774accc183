// Loading the current profile into the store and the main window's lists. A settings file
// whose costs cannot be computed changes nothing; a list file that cannot be used shows no rows.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/product_lists.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/log_prices.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_problems.h"
#include "millsettings/profile_settings.h"
#include "platform/estonian_file_reasons.h"
#include "platform/file_reports.h"
#include "platform/ini_file.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/saved_list.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLoadTitle = "frmmain\\cmdLaeprofiil";

// The store fields a load fills, so that a failed load can put back what they held.
std::vector<std::string*> loadedFields(frmMainSub& s) {
    std::vector<std::string*> fields;
    for (const SettingsKey& key : settingsKeysInLoadOrder())
        fields.push_back(&(s.*key.field));
    fields.push_back(&s.txtKuluTootmine);
    fields.push_back(&s.txtKuluAmort);
    return fields;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// What is wrong with the settings file as it was read, in the message language; empty when
// nothing is.
std::vector<std::string> settingsFileProblems(const frmMain& main, const fs::path& file,
                                              const FileResult& loaded,
                                              const IniDocument& settings) {
    std::vector<std::string> problems;
    std::error_code ec;
    if (!loaded) {
        // The box names the file first; the Estonian line gives the reason alone.
        problems.push_back(
            bilingual(main,
                      "Seda ei saa lugeda: " + estonianFailureReason(loaded.reason, loaded.number) +
                          ". Selle väärtused loetakse 0-ks.",
                      loaded.reason + ". Its values count 0."));
    } else if (fs::exists(file, ec)) {
        if (!settings.isText()) {
            const std::string kept = damagedListCopyPath(file).string();
            problems.push_back(bilingual(
                main,
                "See ei ole tekstifail. Selle väärtused loetakse 0-ks. Seadete salvestamine hoiab "
                "selle alles nimega " +
                    kept + " ja kirjutab uue faili.",
                "It is not a text file. Its values count 0. Saving the settings keeps it as " +
                    kept + " and writes a new file."));
        } else if (!settings.hasSection(settingsfile::kSection)) {
            const std::string section = "[" + std::string(settingsfile::kSection) + "]";
            problems.push_back(bilingual(
                main, "Selles ei ole jaotist " + section + ". Selle väärtused loetakse 0-ks.",
                "It holds no " + section + " section. Its values count 0."));
        }
    }
    return problems;
}

}  // namespace

void frmMain::cmdLaeprofiil_Click() {
    const auto folder = profileFolderOrReport(*this, kLoadTitle, " - ");
    if (!folder) return;
    frmMainSub& s = store();
    const std::vector<std::string*> fields = loadedFields(s);
    std::vector<std::string> before;
    for (const std::string* field : fields)
        before.push_back(*field);

    // Settings and their derived costs, into the store; put back when anything fails.
    const fs::path settingsFile = settingsFilePath(*folder);
    IniDocument settings;
    const FileResult loaded = settings.load(settingsFile);
    std::vector<std::string> problems = settingsFileProblems(*this, settingsFile, loaded, settings);
    // A file that cannot be read, or one that is damaged, has its values count 0.
    if (!loaded || !settings.isText()) settings = IniDocument();
    const std::vector<std::string> unreadable = readSettingsIntoStore(settings, s);
    const bool estonian = messagesInEstonian(*this);
    if (!unreadable.empty()) {
        problems.push_back((estonian
                                ? "Need väärtused on väljaspool arvude vahemikku ja loetakse 0-ks: "
                                : "These values lie beyond the number range and count 0: ") +
                           joined(unreadable) + ".");
    }
    bool failed = false;
    std::string failure;
    try {
        updateDerivedCosts(s);
    } catch (const VbError& e) {
        failed = true;
        failure = errorLine(*this, e.number(), e.description()) +
                  (estonian ? "\nKulusid m3 kohta ei saa arvutada kuistest kuludest ja kuisest "
                              "tootmismahust."
                            : "\nThe costs per m3 cannot be computed from the monthly costs "
                              "and the monthly production volume.");
    }
    if (!problems.empty() || failed) {
        std::string text = failed ? failure + "\n" : std::string();
        text += (estonian ? "Seadete fail " : "The settings file ") + settingsFile.string() + ":";
        for (const std::string& problem : problems)
            text += "\n" + problem;
        if (failed) {
            text += estonian ? "\nProfiili ei laaditud; kasutusel olevad väärtused ja nimekirjad "
                               "jäävad alles."
                             : "\nThe profile was not loaded; the values and lists in use stay.";
        }
        reportFileProblem(settingsFile, text, failed ? mb::kCritical : mb::kExclamation,
                          failed ? kLoadTitle : "");
    }

    // The lists, read whole before either is shown. A list file that cannot be read at all
    // is reported, as a damaged one is, and shows no rows; the rest of the profile loads.
    SavedListRead prices;
    std::optional<SavedListRead> products;
    if (!failed) {
        prices = readSavedList(logPricesFilePath(*folder));
        if (!prices.ok()) {
            reportLogPriceFileProblem(*this, prices);
        }
        products = readProductRows(*this, Lauatyyp, "frmmain\\openlist");
        failed = !products;
    }
    if (failed) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            *fields[i] = before[i];
        return;
    }

    lstPalgiHinnad.clear();
    for (const std::string& row : prices.rows)
        lstPalgiHinnad.addItem(row);
    lstDim.clear();
    for (const std::string& row : products->rows)
        lstDim.addItem(row);
}

}  // namespace lumbrix
