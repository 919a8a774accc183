// Steps that the central update and the new-pattern reset run and that are filled in with
// their own subject (the 3D corners, the dimension picker); until then such a step computes
// nothing and the caller goes on.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::Arvuta_3d() {}
void frmMain::optSydmat_Click() {}

}  // namespace lumbrix
