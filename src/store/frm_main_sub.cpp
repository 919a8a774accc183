#include "store/frm_main_sub.h"

#include <utility>

#include "app/application.h"

namespace lumbrix {

namespace {

using TextField = std::string frmMainSub::*;

struct NamedField {
    std::string_view name;
    TextField member;
};

#define LUMBRIX_STORE_FIELD(name) \
    NamedField {                  \
#name, &frmMainSub::name  \
    }

// Every text field of the store that is not an array, by its name.
constexpr NamedField kFields[] = {
    LUMBRIX_STORE_FIELD(txtKappimineSydmat),
    LUMBRIX_STORE_FIELD(txtKappimineLauad),
    LUMBRIX_STORE_FIELD(txtPalgiMoodul),
    LUMBRIX_STORE_FIELD(txtPalgimahukoefitsent),
    LUMBRIX_STORE_FIELD(txtKuisedPysikuludKokku),
    LUMBRIX_STORE_FIELD(txtKuisedAmordikuludKokku),
    LUMBRIX_STORE_FIELD(txtCE),
    LUMBRIX_STORE_FIELD(txtYhikuMuutuvkulud),
    LUMBRIX_STORE_FIELD(txtKuineTootmismaht),
    LUMBRIX_STORE_FIELD(txtKetas1saag),
    LUMBRIX_STORE_FIELD(txtKetas2saag),
    LUMBRIX_STORE_FIELD(txtKetasSeimer),
    LUMBRIX_STORE_FIELD(txtKetasTrimmer),
    LUMBRIX_STORE_FIELD(txtKoefitsentHake),
    LUMBRIX_STORE_FIELD(txtKoefitsentPuru),
    LUMBRIX_STORE_FIELD(txtKoefitsentKoor),
    LUMBRIX_STORE_FIELD(txtKoefitsentKoorPalgist),
    LUMBRIX_STORE_FIELD(txtHakehind),
    LUMBRIX_STORE_FIELD(txtsaepuruHind),
    LUMBRIX_STORE_FIELD(txtkoorhind),
    LUMBRIX_STORE_FIELD(lblSalvestatud),
    LUMBRIX_STORE_FIELD(lblArvutaTaiskant),
    LUMBRIX_STORE_FIELD(txtKuluTootmine),
    LUMBRIX_STORE_FIELD(txtKuluAmort),
    LUMBRIX_STORE_FIELD(txtAutoFit),
    LUMBRIX_STORE_FIELD(txtVaikimisiProfiil),
    LUMBRIX_STORE_FIELD(txtpalgiklass),
    LUMBRIX_STORE_FIELD(txtpalgiminDiam),
    LUMBRIX_STORE_FIELD(txtpalgiMaxdiam),
    LUMBRIX_STORE_FIELD(txtpalgitasku),
    LUMBRIX_STORE_FIELD(txtpalgiklassihind),
    LUMBRIX_STORE_FIELD(txtristloige),
    LUMBRIX_STORE_FIELD(txtpaksus),
    LUMBRIX_STORE_FIELD(txtlaius),
    LUMBRIX_STORE_FIELD(txttootehind),
    LUMBRIX_STORE_FIELD(txtNiiskus),
    LUMBRIX_STORE_FIELD(txtKommentaar),
    LUMBRIX_STORE_FIELD(lblsaematmaht),
    LUMBRIX_STORE_FIELD(lblpurumaht),
    LUMBRIX_STORE_FIELD(lblhakkemaht),
    LUMBRIX_STORE_FIELD(lblkoormaht),
    LUMBRIX_STORE_FIELD(lblpurupuistekant),
    LUMBRIX_STORE_FIELD(lblpuistehakkekant),
    LUMBRIX_STORE_FIELD(lblpuistekoorkant),
    LUMBRIX_STORE_FIELD(lblcompareselected),
    LUMBRIX_STORE_FIELD(lblmnuInfoclicked),
    LUMBRIX_STORE_FIELD(lblKKLabelLogATP),
};

#undef LUMBRIX_STORE_FIELD

template <std::size_t N>
void blank(std::array<std::string, N>& elements) {
    for (std::string& element : elements)
        element.clear();
}

}  // namespace

frmMainSub::frmMainSub(Application& /*app*/) : Form("frmMainSub") {
    markNeverShown();
}

void frmMainSub::clearBoardResults(BoardList list) {
    switch (list) {
        case BoardList::Syda:
            blank(lblSydaosakaal);
            blank(lblsydamargin);
            return;
        case BoardList::KylgVasak:
            blank(lblKylgVasakosakaal);
            blank(lblKylgVasakmargin);
            return;
        case BoardList::KylgParem:
            blank(lblKylgParemosakaal);
            blank(lblKylgParemmargin);
            return;
        case BoardList::SeimerAll:
            blank(lblSeimerAllosakaal);
            blank(lblSeimerAllmargin);
            return;
        case BoardList::SeimerYleval:
            blank(lblSeimerYlevalosakaal);
            blank(lblSeimerYlevalmargin);
            return;
    }
}

void frmMainSub::clearAllBoardResults() {
    for (BoardList list : {BoardList::Syda, BoardList::KylgVasak, BoardList::KylgParem,
                           BoardList::SeimerAll, BoardList::SeimerYleval})
        clearBoardResults(list);
}

std::string* frmMainSub::field(std::string_view name) {
    return const_cast<std::string*>(std::as_const(*this).field(name));
}

const std::string* frmMainSub::field(std::string_view name) const {
    for (const NamedField& f : kFields)
        if (f.name == name) return &(this->*f.member);
    return nullptr;
}

}  // namespace lumbrix
