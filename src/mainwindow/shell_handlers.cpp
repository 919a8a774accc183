// Handlers of the main window's commands, menus, board placement, drawing and results panel.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::connectShellHandlers() {}

}  // namespace lumbrix
