// Handlers of the catalogue editor and the dimension picker on the main window.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::connectCatalogueHandlers() {}

}  // namespace lumbrix
