#pragma once

#include <string>

namespace lumbrix {
class frmMain;
}

namespace lumbrix::test {

// Settings and log prices as a loaded profile gives them: kerfs 5/4/5, trims 100/100,
// monthly costs 1000/500 and 20 per m3 over 100 m3, capital 2000, one price class
// 10-600 mm at 50.00 in pocket 1. Free of the test framework, so that fuzz targets use it too.
void setTypicalProfile(frmMain& m);

// A board row of 4800 mm with the nominal and sawing sizes as "thickness x width".
std::string boardRow(const char* nominal, const char* sawing, double volume, const char* price);

// A full pattern on the main window: eight centre boards and two boards in every other
// position, the log of 400 drawn and the materials computed.
void fillFullPattern(frmMain& m);

// What the planner sees of the pattern: the board lists, the log and pattern text boxes, the
// notes and every label (the name label only when withName).
std::string patternScreen(frmMain& m, bool withName);

}  // namespace lumbrix::test
