#include "main_window_fixture.h"

#include <filesystem>

#include "store/board_row.h"
#include "store/numbers.h"
#include "window_state.h"

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
    setTypicalProfile(main());
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
