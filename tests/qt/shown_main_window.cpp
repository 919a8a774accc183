#include "shown_main_window.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <cstdlib>

#include "command_output.h"
#include "platform/text.h"
#include "store/board_row.h"

namespace lumbrix::test {

void InstalledAppTest::prepareFolder(bool shippedData) {
    qtApp();
    if (shippedData) folder.copyShippedData();
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldConfig_ = old;
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
}

void InstalledAppTest::startApp() {
    desktop = std::make_unique<qt::QtDesktop>();
    app = std::make_unique<Application>(*desktop, folder.path());
}

void InstalledAppTest::loadMainWindow() {
    m = &app->window<frmMain>();
    m->tmr_Startup.setEnabled(false);
}

void InstalledAppTest::TearDown() {
    app.reset();
    desktop.reset();
    oldConfig_ ? ::setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1)
               : ::unsetenv("XDG_CONFIG_HOME");
}

std::string boardRow(const char* nominal, const char* sawing, double volume, const char* price) {
    return composeBoardRow(
        boardRowHead(Left(nominal, 6), Mid(nominal, 8), Left(sawing, 6), Mid(sawing, 8)), 4800,
        volume, price);
}

void fillFullPattern(frmMain& m) {
    for (int i = 0; i < 8; ++i)
        m.lstSyda.addItem(boardRow("32.000x100.00", "34.000x104.00", 0.017, "210.0"));
    for (ListBox* list : {&m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll, &m.lstSeimerYleval}) {
        list->addItem(boardRow("22.000x100.00", "24.000x104.00", 0.012, "180.0"));
        list->addItem(boardRow("19.000x75.000", "21.000x79.000", 0.008, "160.0"));
    }
    m.txtPalk.setText("400");
    m.Joonista_palk();
    m.uuenda_materjalid();
}

void printNextInto(qt::QtDesktop& desktop, const QString& file) {
    desktop.printer().setOutputFormat(QPrinter::PdfFormat);
    desktop.printer().setOutputFileName(file);
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) d->accept();
    });
}

std::string pdfText(const QString& file) {
    return pdfText(file.toStdString(), true);
}

}  // namespace lumbrix::test
