#include "shown_main_window.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <cstdlib>

#include "command_output.h"
#include "localisation/frm_keele_valik.h"
#include "localisation/main_caption_table.h"
#include "platform/user_settings.h"

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

void InstalledAppTest::loadFullPatternIn(const char* languageFile) {
    app->userSettings().save(languagechoice::kDefaultLanguage, languageFile);
    applyLanguageFile(*app, folder / "language", languageFile);
    loadMainWindow();
    m->tmr_Startup_Timer();  // the shipped profile: settings and log prices
    fillFullPattern(*m);
}

qt::FormWindow* InstalledAppTest::shownWindow(Form& form) {
    form.show();
    qt::FormWindow* window = desktop->windowOf(form);
    const bool exposed = window && QTest::qWaitForWindowExposed(window);
    EXPECT_TRUE(exposed) << form.name() << " was not shown";
    return exposed ? window : nullptr;
}

void InstalledAppTest::TearDown() {
    app.reset();
    desktop.reset();
    oldConfig_ ? ::setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1)
               : ::unsetenv("XDG_CONFIG_HOME");
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
