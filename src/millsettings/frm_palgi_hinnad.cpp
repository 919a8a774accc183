#include "millsettings/frm_palgi_hinnad.h"

namespace lumbrix {

frmPalgiHinnad::frmPalgiHinnad(Application&) : Form("frmPalgiHinnad") {
    setCaption("LUMBRIX - Log prices");
    move(0, 0, 6000, 4500);
    setFixedSize(true);
}

}  // namespace lumbrix
