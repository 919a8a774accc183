#include "localisation/builtin_captions.h"

#include <array>
#include <string>

#include "localisation/dialog_captions.h"

namespace lumbrix {

namespace {

constexpr std::array<BilingualCaption, 25> kMainCaptions{{
    // the placement buttons, laid out as the positions
    {"cmdSeimerYleval", "Üles", "Up"},
    {"cmdSideLeft", "Vasakule", "Left"},
    {"cmdCenter", "Keskele", "Centre"},
    {"cmdSideRight", "Paremale", "Right"},
    {"cmdSeimerAll", "Alla", "Down"},
    // the pattern header and its button
    {"cmdKavaLisainfoShow", "Päis", "Header"},
    {"frmLisaInfo", "Kava päis", "Pattern header"},
    // figures of the results panel
    {"lblKKLabelPuruOsakaal", "Saepuru, m3", "Sawdust, m3"},
    {"lblKKLabelHakeOsakaal", "Hake, m3", "Chips, m3"},
    {"lblKKLabelTulud", "Tulud", "Revenue"},
    {"lblKKLabelKulud", "Kulud", "Costs"},
    {"lblKKLabelROCE", "ROCE", "ROCE"},
    {"lblKKLabelSydaHind", "Südamiku hind", "Centre board price"},
    {"lblKKLabelKyljelauaHind", "Küljelaua hind", "Side board price"},
    // headings of the catalogue tab
    {"lblListNominal", "Nimimõõt", "Nominal size"},
    {"lblListSawing", "Saagimismõõt", "Sawing size"},
    {"lblListPrice", "Hind", "Price"},
    {"lblListShares", "Kvaliteetide osa, %", "Quality shares, %"},
    {"lblListQualityPrices", "Kvaliteetide hinnad", "Quality prices"},
    {"lblQualityHeading", "Kvaliteet", "Quality"},
    {"lblShareHeading", "Osa, %", "Share, %"},
    {"lblQualityPriceHeading", "Hind", "Price"},
    {"lblShareTotalCaption", "Kokku", "Total"},
    {"lblProductPriceCaption", "Toote hind m3 kohta", "Product price per m3"},
    // the profile label's pop-up menu
    {"mnusalvestaprofiilkui", "Salvesta nimega...", "Save as..."},
}};

}  // namespace

const std::span<const BilingualCaption> kMainBilingualCaptions{kMainCaptions};

void applyBilingualCaptions(Form& form, std::span<const BilingualCaption> captions, bool estonian) {
    for (const BilingualCaption& c : captions)
        setCaptionByName(form, c.target, estonian ? c.estonian : c.english);
}

}  // namespace lumbrix
