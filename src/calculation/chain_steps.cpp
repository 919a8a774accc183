// Steps that the central update runs and that are filled in with their own subject (the 3D
// corners); until then such a step computes nothing and the update goes on.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::Arvuta_3d() {}

}  // namespace lumbrix
