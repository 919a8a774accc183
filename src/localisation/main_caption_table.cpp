// The start-up caption table of the main window, the store and the 3D view, and its loader.
#include "localisation/main_caption_table.h"

#include "app/application.h"
#include "localisation/builtin_captions.h"
#include "localisation/language_file.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix {

namespace {

using enum CaptionTarget;

constexpr const char* kKK = "KK";
constexpr const char* kTH = "TH";
constexpr const char* kAR = "AR";
constexpr int kObjectRequired = 424;

}  // namespace

// Most keys name their control; the rows whose key differs keep the key as the file spells it
// (the file lookup ignores letter case).
const std::array<MainCaptionRow, 85> kMainCaptionTable{{
    {kKK, "optSydmat", MainControl, "optSydmat"},
    {kKK, "optSeimrilaud", MainControl, "optSeimrilaud"},
    {kKK, "optKyljelaud", MainControl, "optKyljelaud"},
    {kKK, "lblKKLabelProfiil", MainControl, "lblProfiil"},
    {kKK, "frmpalgiinfo", MainControl, "frmPalgiInfo"},
    {kKK, "lblKKPalgiDiameeter", MainControl, "lblKKPalgiDiameeter"},
    {kKK, "lblKKPalgiKoone", MainControl, "lblKKPalgiKoone"},
    {kKK, "lblKKPalgiKoverus", MainControl, "lblKKPalgiKoverus"},
    {kKK, "lblKKPalgiPikkus", MainControl, "lblKKPalgiPikkus"},
    {kKK, "lblKKPalgiMaht", MainControl, "lblKKPalgiMaht"},
    {kKK, "cmdSobita", MainControl, "cmdSobita"},
    {kKK, "lblKKLabelSaekava", MainControl, "lblKKLabelSaekava"},
    {kKK, "lblKKLabelMat", MainControl, "lblKKLabelMAt"},
    {kKK, "lblKKLabelRistloige", MainControl, "lblKKLabelRistloige"},
    {kKK, "lblKKLabelSaemoot", MainControl, "lblKKLabelSaemoot"},
    {kKK, "lblKKLabelsaematPikkus", MainControl, "lblKKLabelsaematPikkus"},
    {kKK, "lblKKLabelSaematmaht", MainControl, "lblKKLabelSaematmaht"},
    {kKK, "lblKKLabelSaematHind", MainControl, "lblKKLabelSaematHind"},
    {kKK, "lblKKLabelCBBreakEven", MainControl, "lblKKLabelCBBreakEven"},
    {kKK, "lblKKLabelSaematValjatulek", MainControl, "lblKKLabelSaematValjatulek"},
    {kKK, "lblKKLabelSaepuruValjatulek", MainControl, "lblKKLabelSaepuruValjatulek"},
    {kKK, "lblKKLabelHakkeValjatulek", MainControl, "lblKKLabelHakkeValjatulek"},
    {kKK, "lblKKLabelKoorValjatulek", MainControl, "lblKKLabelKoorValjatulek"},
    {kKK, "lblKKLabelMarginKokku", MainControl, "lblKKLabelMarginKokku"},
    {kKK, "lblKKLabelMarginEBITDA", MainControl, "lblKKLabelMarginEBITDA"},
    {kKK, "lblKKLabelLogATP", StoreField, "lblKKLabelLogATP"},
    {kAR, "lblArvutusedRawmaterialATPEBITlbl2", MainControl, "lblKKLabelRawATPEBIT"},
    {kAR, "lblArvutusedlblNETRawmateriallbl", MainControl, "lblKKLabelNetRawmaterial"},
    {kKK, "cmdUusKava", MainControl, "cmdUusKava"},
    {kKK, "cmdAvaKava", MainControl, "cmdAvaKava"},
    {kKK, "cmdSalvestaUusKava", MainControl, "cmdSalvestaUusKava"},
    {kKK, "cmdSoovita", MainControl, "cmdSoovita"},
    {kKK, "mnuProgramm", MainMenu, "mnuprogramm"},
    {kKK, "lblmnusalvestaprofiil", MainMenu, "mnusalvestaprofiil"},
    {kKK, "mnuProgramSeaded", MainMenu, "mnuProgramSeaded"},
    {kKK, "mnuProgramInfo", MainMenu, "mnuProgramInfo"},
    {kKK, "mnuProgramExit", MainMenu, "mnuProgramExit"},
    {kKK, "mnuSaekavaUus", MainMenu, "mnuSaekavaUus"},
    {kKK, "mnuSaekavaAva", MainMenu, "mnuSaekavaAva"},
    {kKK, "mnuSaekavaSalvesta", MainMenu, "mnuSaekavaSalvesta"},
    {kKK, "mnuSaekavaEelvaade", MainMenu, "mnuSaekavaEelvaade"},
    {kKK, "mnupalk3Denablelbl", MainMenu, "mnupalk3Denable"},
    {kKK, "mnupalkaddtocomparelbl", MainMenu, "mnupalkaddtocompare"},
    {kKK, "mnuautoscrolllbl", MainMenu, "mnuautoscroll"},
    {kKK, "mnuArvutusedSydamematerjallbl", MainMenu, "mnuArvutusedSydamematerjal"},
    {kKK, "mnuArvutusedKyljelauadlbl", MainMenu, "mnuArvutusedKyljelauad"},
    {kKK, "mnuautofitlbl", MainMenu, "mnuAutoFit"},
    {kKK, "mnuHelplbl", MainMenu, "mnuHelp"},
    {kKK, "mnuAddNewDimension", MainMenu, "mnuAddNewDimension"},
    {kKK, "mnuSaekavaPrindi", MainMenuAndButton, "mnuSaekavaPrindi", "cmdPrindi"},
    {kKK, "frmSaekavaMarginalCaption", MainControl, "frmSaekavaMarginalCaption"},
    {kKK, "lblKKLabelPalgikuluTM", MainControl, "lblKKLabelPalgikuluTM"},
    {kKK, "lblKKLabelPalgikuluHind", MainControl, "lblKKLabelPalgikuluHind"},
    {kKK, "lblKKLabelMuudkuludHind", MainControl, "lblKKLabelMuudkuludHind"},
    {kKK, "lblKKLabelPuruTulu", MainControl, "lblKKLabelPuruTulu"},
    {kKK, "lblKKLabelHakkeTulu", MainControl, "lblKKLabelHakkeTulu"},
    {kKK, "lblKKLabelKoorTulu", MainControl, "lblKKLabelKoorTulu"},
    {kKK, "lblKKLabelSaekavaHind", MainControl, "lblKKLabelSaekavaHind"},
    // The two tab keys are swapped: "Tab1" names the second tab, "Tab2" the first.
    {kKK, "SSTab1Tab1", MainTab, "SSTab1", nullptr, 1},
    {kKK, "SSTab1Tab2", MainTab, "SSTab1", nullptr, 0},
    {kKK, "mnuSaekava", MainMenu, "mnuSaekava"},
    {kKK, "mnukustutavalitud", MainMenuAndMenu, "mnuKustutaValitud", "mnuCompareKustutaValitud"},
    {kKK, "mnukustutakoik", MainMenuAndMenu, "mnuKustutaKoik", "mnuCompareKustutaKoik"},
    {kKK, "kavakuupaev", MainControl, "lblKKLabelKavaKuupaev"},
    {kKK, "kavakoostaja", MainControl, "lblKKLabelKavaKoostaja"},
    {kKK, "kavanotes", MainControl, "lblKKLabelKavaNotes"},
    {kTH, "frmTooteliigid", MainControl, "frmTooteliigid"},
    {kTH, "optTootedSydmat", MainControl, "optTootedSydmat"},
    {kTH, "optTootedSeimrilaud", MainControl, "optTootedSeimrilaud"},
    {kTH, "optTootedKyljelaud", MainControl, "optTootedKyljelaud"},
    {kTH, "frmTooteinfo", MainControl, "frmTooteinfo"},
    {kTH, "lblTHLabelPaksus", MainControl, "lblTHLabelPaksus"},
    {kTH, "lblTHLabelComment", MainControl, "lblTHLabelComment"},
    {kTH, "lblTHLabelNiiskus", MainControl, "lblTHLabelniiskus"},
    {kTH, "lblTHLabelLaius", MainControl, "lblTHLabelLaius"},
    {kTH, "lblTHLabelMargPak", MainControl, "lblTHLabelMargPak"},
    {kTH, "lblTHLabelMargLai", MainControl, "lblTHLabelMargLai"},
    {kTH, "lblTHLabelylemoot", MainControl, "lblTHLabelylemoot"},
    {kTH, "cmdArvuta", MainControl, "cmdArvuta"},
    {kTH, "cmdLisaDim", MainControl, "cmdLisaDim"},
    {kTH, "cmdMuuda", MainControl, "cmdMuudaDim"},
    {kTH, "cmdShowCalculations", MainControl, "cmdShowCalculations"},
    {kTH, "cmdKustutaDim", MainControl, "cmdKustutaDim"},
    {kTH, "cmdPalgihinnad", MainControl, "cmdPalgiHinnad"},
    {"3d", "lbl3dshowlblJoonepaksuslbl", View3dControl, "lbl3dshowlblJoonepaksus"},
}};

// Captions of controls that the table above does not name, whose text a key of the file
// already holds.
const std::array<MainCaptionRow, 4> kMainFurtherCaptionRows{{
    {kAR, "lblArvutusedRawmaterialATPEBITDAlbl", MainControl, "lblKKLabelRawATPEBITDA"},
    {kTH, "optTootedKyljelaud", MainControl, "lblKKLabelKyljelauaOsakaal"},
    {kTH, "optTootedSeimrilaud", MainControl, "lblKKLabelSeimrilauaOsakaal"},
    {kTH, "lblTHLabelComment", MainControl, "lblListComment"},
}};

// Menu items and a button without keys of their own repeat a command that shows the same
// action elsewhere.
const std::array<CaptionCopy, 5> kMainCaptionCopies{{
    {"mnufit", true, "cmdSobita", false},
    {"mnuUus", true, "cmdUusKava", false},
    {"cmdNew", false, "mnuSaekavaUus", true},
    {"mnuPalkUuenda", true, "cmdArvuta", false},
    {"mnuKustutaKustuta", true, "cmdKustutaDim", false},
}};

namespace {

// A target the table names that the window lacks is a fault of the program, not of the file.
Control& control(Form& form, const char* name) {
    if (Control* c = form.findControl(name)) return *c;
    throw VbError(kObjectRequired,
                  std::string("Object required: control ") + name + " on " + form.name());
}

Menu& menu(Form& form, const char* name) {
    if (Menu* m = form.findMenu(name)) return *m;
    throw VbError(kObjectRequired,
                  std::string("Object required: menu ") + name + " on " + form.name());
}

const std::string& captionOf(Form& form, const char* name, bool isMenu) {
    return isMenu ? menu(form, name).caption() : control(form, name).caption();
}

}  // namespace

void applyCaptionRow(Application& app, const MainCaptionRow& row, const std::string& text) {
    switch (row.kind) {
        case MainControl:
            control(app.window<frmMain>(), row.target).setCaption(text);
            return;
        case MainMenu:
            menu(app.window<frmMain>(), row.target).setCaption(text);
            return;
        case MainMenuAndButton: {
            frmMain& m = app.window<frmMain>();
            menu(m, row.target).setCaption(text);
            control(m, row.second).setCaption(text);
            return;
        }
        case MainMenuAndMenu: {
            frmMain& m = app.window<frmMain>();
            Menu& first = menu(m, row.target);
            first.setCaption(text);
            menu(m, row.second).setCaption(first.caption());
            return;
        }
        case MainTab: {
            TabStrip& tabs = app.window<frmMain>().SSTab1;
            tabs.setCurrentTab(row.tab);
            tabs.setTabCaption(tabs.currentTab(), text);
            return;
        }
        case StoreField:
            app.window<frmMainSub>().lblKKLabelLogATP = text;
            return;
        case View3dControl:
            control(app.window<frm3dShow>(), row.target).setCaption(text);
            return;
    }
}

void applyLanguageFile(Application& app, const std::filesystem::path& folder,
                       const std::string& fileName) {
    const LanguageFile file(folder / fileName);
    const bool estonian = estonianLanguageFile(fileName);
    if (file.readable()) {
        for (const MainCaptionRow& row : kMainCaptionTable)
            applyCaptionRow(app, row, file.caption(row.section, row.key));
        for (const MainCaptionRow& row : kMainFurtherCaptionRows)
            applyCaptionRow(app, row, file.caption(row.section, row.key));
    } else {
        // A file that cannot be read as a whole leaves every caption with its built-in text;
        // the planner is told once which file it is and why.
        reportUnreadableLanguageFile(file, estonian);
    }

    frmMain& m = app.window<frmMain>();
    m.lblValitudKeel.setCaption(fileName);
    app.desktop().setMessageLanguage(estonian);
    for (const CaptionCopy& copy : kMainCaptionCopies) {
        const std::string text = captionOf(m, copy.source, copy.sourceIsMenu);
        if (copy.targetIsMenu) {
            menu(m, copy.target).setCaption(text);
        } else {
            control(m, copy.target).setCaption(text);
        }
    }
    applyBilingualCaptions(m, kMainBilingualCaptions, estonian);
}

}  // namespace lumbrix
