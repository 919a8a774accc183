// Steps of the calculation chain that the central update runs in its order. Each is filled
// in with its own subject (log cost and margin, by-products, other costs and break-even,
// raw-material price, 3D corners, the picker); until
// then a step computes nothing and the update goes on with the next one.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::Arvuta_palgihind() {}
void frmMain::Arvuta_puru() {}
void frmMain::Arvuta_margin() {}
void frmMain::Arvuta_muudkulud() {}
void frmMain::Arvuta_breakeven() {}
void frmMain::Arvuta_rawmaterialATP() {}
void frmMain::Arvuta_3d() {}
void frmMain::optSydmat_Click() {}

}  // namespace lumbrix
