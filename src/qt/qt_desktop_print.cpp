// The printer of the Qt desktop: the printer dialog and printing a window as one page.
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

#include "qt/form_view.h"
#include "qt/qt_convert.h"
#include "qt/qt_desktop.h"

namespace lumbrix::qt {

namespace {

// Screen pixels per inch of the windows' layout (15 twips to the pixel).
constexpr double kScreenDpi = 1440.0 / kTwipsPerPixel;

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

}  // namespace

QPrinter& QtDesktop::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            // No printer is installed: print into a PDF file, which the dialog offers.
            QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(QDir(folder).filePath(QString(kApplicationTitle) + ".pdf"));
        }
    }
    return *printer_;
}

bool QtDesktop::showPrinterDialog(const std::string& title) {
    QPrintDialog dialog(&printer(), dialogParent());
    if (!title.empty()) dialog.setWindowTitle(toQ(title));
    return dialog.exec() == QDialog::Accepted;
}

bool QtDesktop::printForm(Form& form) {
    // A view of its own, never shown, so that leaving out the buttons disturbs nothing on
    // screen (no focus moves); the window need not be shown at all.
    FormView view(form);
    view.showAsPrinted();
    const QSize client = view.clientSize();
    if (client.isEmpty()) return false;
    view.resize(view.sizeHint());
    if (view.layout()) view.layout()->activate();
    QWidget* surface = view.surface();
    surface->resize(client);

    // Recorded first: a widget rendered straight onto a printer becomes one bitmap, while a
    // recording replays as drawing with its text kept as text.
    QPicture recording;
    {
        QPainter recorder(&recording);
        surface->render(&recorder, QPoint(), QRegion(QRect(QPoint(), client)),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QPrinter& target = printer();
    QPainter painter;
    if (!painter.begin(&target)) return false;
    // The window at its size on screen, made smaller only when it does not fit the page.
    const QRectF page = target.pageLayout().paintRectPixels(target.resolution());
    double scale = target.resolution() / kScreenDpi;
    scale = std::min({scale, page.width() / client.width(), page.height() / client.height()});
    // The replay scales the recording from its resolution to the printer's by itself.
    painter.scale(scale * recording.logicalDpiX() / target.logicalDpiX(),
                  scale * recording.logicalDpiY() / target.logicalDpiY());
    painter.drawPicture(0, 0, recording);
    return painter.end();
}

}  // namespace lumbrix::qt
