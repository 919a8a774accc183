// Placeholder until the first layout lands.
#include "mainwindow/frm_main.h"
namespace lumbrix {
void frmMain::layOutControls() {}
}  // namespace lumbrix
