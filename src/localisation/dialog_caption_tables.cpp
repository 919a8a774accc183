// The caption tables of the dialogs that take their texts from the language file.
#include <array>

#include "localisation/dialog_captions.h"

namespace lumbrix::dialogcaptions {

namespace {

using enum DialogTarget;

constexpr DialogCaptionRow kSoovitaRows[] = {
    {"frmSoovitaCaption", WindowCaption, ""},
    {"lblSoovitaPalgiDiamCaption", Control, "lblSoovitaPalgiDiam"},
    {"lblSoovitaExLogCaption", Control, "lblSoovitaExLog"},
    {"lblSoovitaSydMatCaption", Control, "lblSoovitaSydMat"},
    {"lblSoovitaSoovitusCaption", Control, "lblSoovitaSoovitus"},
    {"cmdTagasiCaption", Control, "cmdTagasi"},
    {"cmdJoonistaKavaCaption", Control, "cmdJoonistaKava"},
};

// The back, change and new buttons and the pop-up's two items repeat the main window's
// commands; msgexit goes to a label that only carries the back button's warning.
constexpr DialogCaptionRow kPalgiHinnadRows[] = {
    {"frmPalgihinnadCaption", WindowCaption, ""},
    {"cmdLisaHindCaption", Control, "cmdLisaHind"},
    {"msgexit", Control, "lblexitmessage"},
    {"cmdKustutaCaption", Control, "cmdKustuta"},
    {nullptr, CopyMainMenu, "cmdTagasi", "mnuProgramExit"},
    {"lblPalgihinnadLabelMinDiamCaption", Control, "lblPalgihinnadLabelMinDiam"},
    {"lblPalgihinnadLabelPalgiTaskulbl", Control, "lblPalgihinnadLabelPalgiTasku"},
    {"lblPalgihinnadLabelMaxDiamCaption", Control, "lblPalgihinnadLabelMaxDiam"},
    {"lblPalgihinnadLabelHindCaption", Control, "lblPalgihinnadLabelHind"},
    {nullptr, CopyMainControl, "cmdMuuda", "cmdMuudaDim"},
    {nullptr, CopyMainMenu, "mnuKustutaValitud", "mnuKustutaValitud"},
    {nullptr, CopyMainMenu, "mnuKustutaKoik", "mnuKustutaKoik"},
    {nullptr, CopyMainMenu, "cmdNew", "mnuSaekavaUus"},
};

constexpr DialogCaptionRow kSalvestaUusKavaRows[] = {
    {"frmSalvestaUusKavaCaption", WindowCaption, ""},
    {"lblSalvestaUuekavanimiCaption", Control, "lblSalvestaUuekavanimi"},
    {"cmdSaveCaption", Control, "cmdSave"},
    {"cmdTagasiCaption", Control, "cmdTagasi"},
    {"chkAutoNameCaption", Control, "chkAutoName"},
};

constexpr DialogCaptionRow kSeadedRows[] = {
    {"frmSeadedCaption", WindowCaption, ""},
    {"frmSeadedKappimisedCaption", Control, "frmSeadedKappimised"},
    {"lblSeadedLabelSisestageCaption", Control, "lblSeadedLabelSisestage"},
    {"lblSeadedLabelSydmatCaption", Control, "lblSeadedLabelSydmat"},
    {"lblSeadedLabelLauadCaption", Control, "lblSeadedLabelLauad"},
    {"chkArvutaTaiskantcaption", Control, "chkArvutaTaiskant"},
    {"frmSeadedKettadCaption", Control, "frmSeadedKettad"},
    {"lblSeadedLabelEsimeneSaagCaption", Control, "lblSeadedLabelEsimeneSaag"},
    {"lblSeadedLabelTeineSaagCaption", Control, "lblSeadedLabelTeineSaag"},
    {"lblSeadedLabelServajaCaption", Control, "lblSeadedLabelServaja"},
    {"lblSeadedLabelTrimmerCaption", Control, "lblSeadedLabelTrimmer"},
    {"frmPuistekoefitsentCaption", Control, "frmPuistekoefitsent"},
    {"lblSeadedLabelHakeCaption", Control, "lblSeadedLabelHake"},
    {"lblSeadedLabelSaepuruCaption", Control, "lblSeadedLabelSaepuru"},
    {"lblSeadedLabelKoorCaption", Control, "lblSeadedLabelKoor"},
    {"lblSeadedLabelKoorKoefitsentCaption", Control, "lblSeadedLabelKoorKoefitsent"},
    {"lblSeadedLabelKoorKoefitsent2Caption", Control, "lblSeadedLabelKoorKoefitsent2"},
    {"lblSeadedLabelPikkusmoodulCaption", Control, "lblSeadedLabelPikkusmoodul"},
    {"lblSeadedLabelpalgikoefitsentlbl", Control, "lblSeadedLabelpalgikoefitsent"},
    {"frmSeadedPikkusMoodulCaption", Control, "frmSeadedPikkusMoodul"},
    {"lblSeadedLabelTootmiskuluCaption", Control, "lblSeadedLabelTootmiskulu"},
    {"lblSeadedLabelAmordikuluCaption", Control, "lblSeadedLabelAmordikulu"},
    {"chkNaitaKeeleValikutCaption", Control, "chkNaitaKeeleValikut"},
    {"cmdSalvestaCaption", Control, "cmdSalvesta"},
    {"cmdOKCaption", Control, "cmdOK"},
    {"lblSeadedPuisteKoefitsentCaption", Control, "lblSeadedPuisteKoefitsent"},
    {"lblSeadedPuisteHindCaption", Control, "lblSeadedPuisteHind"},
    {"frmSaematKuludCaption", Control, "frmSaematKulud"},
    {"lblKuisedPysikuludKokkuCaptionlbl", Control, "lblKuisedPysikuludKokkuCaption"},
    {"lblKuisedAmordikuludKokkuCaptionlbl", Control, "lblKuisedAmordikuludKokkuCaption"},
    {"lblSeadedLabelCElbl", Control, "lblSeadedLabelCE"},
    {"lblYhikuMuutuvkuludCaptionlbl", Control, "lblYhikuMuutuvkuludCaption"},
    {"lblKuineTootmismahtCaptionlbl", Control, "lblKuineTootmismahtCaption"},
    {nullptr, CopyMainControl, "cmdLogPrice", "cmdPalgiHinnad"},
};

constexpr DialogCaptionRow kAvaKavaRows[] = {
    {"frmAvaKavaCaption", WindowCaption, ""},
    {"cmdKavadeKaustCaption", Control, "cmdKavadeKaust"},
    {"cmdAvaKavaCaption", Control, "cmdAvaKava"},
    {"cmdKustutaKavaCaption", Control, "cmdKustutaKava"},
    {"cmdTyhistaCaption", Control, "cmdTyhista"},
    {"lblAvaKavaSaekavaNimiCaption", Control, "lblAvaKavaSaekavaNimi"},
};

// The window caption comes 29th; the last row names the pattern.
constexpr DialogCaptionRow kArvutusedRows[] = {
    {"lblArvutusedlblPurumahtlabel", Control, "lblArvutusedlblPurumaht"},
    {"lblArvutusedlblHakemahtlabel", Control, "lblArvutusedlblHakemaht"},
    {"lblArvutusedlblKoormahtlabel", Control, "lblArvutusedlblKoormaht"},
    {"lblArvutusedlblSaematerjalmahtlabel", Control, "lblArvutusedlblSaematerjalmaht"},
    {"lblArvutusedlblPuistekoefitsentPurulabel", Control, "lblArvutusedlblPuistekoefitsentPuru"},
    {"lblArvutusedlblPuistekoefitsentHakelabel", Control, "lblArvutusedlblPuistekoefitsentHake"},
    {"lblArvutusedlblPuistekoefitsentKoorlabel", Control, "lblArvutusedlblPuistekoefitsentKoor"},
    {"lblArvutusedlblPuruPuistemahtlabel", Control, "lblArvutusedlblPuruPuistemaht"},
    {"lblArvutusedlblHakePuistemahtlabel", Control, "lblArvutusedlblHakePuistemaht"},
    {"lblArvutusedlblKoorPuistemahtlabel", Control, "lblArvutusedlblKoorPuistemaht"},
    {"lblArvutusedlblPuruHindEurlabel", Control, "lblArvutusedlblPuruHindEur"},
    {"lblArvutusedlblHakeHindEurlabel", Control, "lblArvutusedlblHakeHindEur"},
    {"lblArvutusedlblKoorHindEurlabel", Control, "lblArvutusedlblKoorHindEur"},
    {"lblArvutusedlblPalgidiameeterlabel", Control, "lblArvutusedlblPalgidiameeter"},
    {"lblArvutusedlblPalgihindEURlabel", Control, "lblArvutusedlblPalgihindEUR"},
    {"lblArvutusedlblPalgikasutusTMlabel", Control, "lblArvutusedlblPalgikasutusTM"},
    {"lblArvutusedlblPalgikasutusEURlabel", Control, "lblArvutusedlblPalgikasutusEUR"},
    {"lblArvutusedlblTootmisekululabel", Control, "lblArvutusedlblTootmisekulu"},
    {"lblArvutusedlblAmortkululabel", Control, "lblArvutusedlblAmortkulu"},
    {"lblArvutusedlblSaekavahindEURlabel", Control, "lblArvutusedlblSaekavahindEUR"},
    {"lblArvutusedlblPuruMarginlabel", Control, "lblArvutusedlblPuruMargin"},
    {"lblArvutusedlblHakeMarginlabel", Control, "lblArvutusedlblHakeMargin"},
    {"lblArvutusedlblKoorMarginlabel", Control, "lblArvutusedlblKoorMargin"},
    {"lblArvutusedlblTulemKokkulabel", Control, "lblArvutusedlblTulemKokku"},
    {"lblArvutusedlblTulemEBITDA", Control, "lblArvutusedlblTulemKokkuEBITDA"},
    {"lblArvutusedRawmaterialATPEBITlbl", Control, "lblArvutusedlblRawmaterialATPEBIT"},
    {"lblArvutusedRawmaterialATPEBITDAlbl", Control, "lblArvutusedlblRawmaterialATPEBITDA"},
    {"lblArvutusedlblNETRawmateriallbl", Control, "lblArvutusedlblNETRawmaterial"},
    {"frmArvutusedlabel", WindowCaption, ""},
    {"lblArvutusedlblSaekavanimilabel", Control, "lblArvutusedlblSaekavanimi"},
    {"lblArvutusedlblTootmismahtlabel", Control, "lblArvutusedlblTootmismaht"},
    {nullptr, PatternName, "lblSaekavanimi", "lblSaekavanimi"},
};

constexpr DialogCaptionRow kProfiilRows[] = {
    {"lblfrmProfiilCaption", WindowCaption, ""},
    {"lblcmdLaeCaption", Control, "cmdLae"},
    {"lblcmdUusCaption", Control, "cmdUus"},
    {"lblcmdSalvestaCaption", Control, "cmdSalvesta"},
    {"lblcmdKustutaCaption", Control, "cmdKustuta"},
    {"lblcmdTagasiCaption", Control, "cmdTagasi"},
    {"lblfraUusProfiil", Control, "fraUusProfiil"},
    {"lbllblNewProfile", Control, "lblNewProfile"},
    {"lblchkMaaraVaikimisiProfiiliks", Control, "chkMaaraVaikimisiProfiiliks"},
};

}  // namespace

const DialogCaptionTable kSoovita{"SO", true, kSoovitaRows};
const DialogCaptionTable kPalgiHinnad{"PH", true, kPalgiHinnadRows};
const DialogCaptionTable kSalvestaUusKava{"SU", true, kSalvestaUusKavaRows};
const DialogCaptionTable kSeaded{"SE", true, kSeadedRows};
const DialogCaptionTable kAvaKava{"AK", true, kAvaKavaRows};
const DialogCaptionTable kArvutused{"AR", false, kArvutusedRows};
const DialogCaptionTable kProfiil{"PR", false, kProfiilRows};

namespace {
constexpr std::array<const DialogCaptionTable*, 7> kTables{
    &kSoovita, &kPalgiHinnad, &kSalvestaUusKava, &kSeaded, &kAvaKava, &kArvutused, &kProfiil};
}  // namespace

const std::span<const DialogCaptionTable* const> kAll{kTables};

}  // namespace lumbrix::dialogcaptions
