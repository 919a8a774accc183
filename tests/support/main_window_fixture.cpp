#include "main_window_fixture.h"

#include <filesystem>

#include "store/board_row.h"
#include "store/numbers.h"

namespace lumbrix::test {

namespace {
std::string sizeText(double mm) {
    std::string t = NumberText(mm);
    return std::string(t.size() < 6 ? 6 - t.size() : 0, ' ') + t;
}
}  // namespace

MainWindowTest::MainWindowTest() {
    desktop.setUserSettingsPath(folder.userSettingsPath());
    // The default profile's folder exists, as in an installation: its files start empty.
    std::filesystem::create_directories(folder / "database" / "LUMBRIX");
    app = std::make_unique<Application>(desktop, folder.path());
    useTypicalProfile();
}

void MainWindowTest::useTypicalProfile() {
    frmMainSub& sub = store();
    sub.txtKetas1saag = "5";
    sub.txtKetas2saag = "4";
    sub.txtKetasSeimer = "5";
    sub.txtKappimineSydmat = "100";
    sub.txtKappimineLauad = "100";
    sub.txtPalgimahukoefitsent = "0.95";
    sub.txtKoefitsentPuru = "3.4";
    sub.txtKoefitsentHake = "2.4";
    sub.txtKoefitsentKoor = "3.4";
    sub.txtKoefitsentKoorPalgist = "0.08";
    sub.txtsaepuruHind = "5";
    sub.txtHakehind = "10";
    sub.txtkoorhind = "2";
    sub.txtKuisedPysikuludKokku = "1000";
    sub.txtKuisedAmordikuludKokku = "500";
    sub.txtYhikuMuutuvkulud = "20";
    sub.txtKuineTootmismaht = "100";
    sub.txtKuluTootmine = "30";
    sub.txtKuluAmort = "5";
    sub.txtCE = "2000";
    main().lstPalgiHinnad.clear();
    main().lstPalgiHinnad.addItem("010 - 600  50.00  1");
}

MainWindowTest::~MainWindowTest() {
    app.reset();
}

std::string MainWindowTest::boardRow(double nominalThickness, double nominalWidth,
                                     double sawingThickness, double sawingWidth, double lengthMm,
                                     double volume, const std::string& price) {
    const std::string head = boardRowHead(sizeText(nominalThickness), sizeText(nominalWidth),
                                          sizeText(sawingThickness), sizeText(sawingWidth));
    return composeBoardRow(head, lengthMm, volume, price);
}

}  // namespace lumbrix::test
