// The products and prices tab: the catalogue editor.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::layOutCatalogueTab() {}

}  // namespace lumbrix
