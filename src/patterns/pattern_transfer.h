#pragma once

#include "patterns/pattern_file.h"

namespace lumbrix {

class frmMain;

// The pattern as the main window holds it, taken as the save dialog takes its working copy:
// each row of each board list is reached by selecting it (the list's selection handler runs
// and a non-empty list is left on its last row), then the log, result and header fields,
// the butt diameter as drawn (rounded, a half to the even neighbour), the log pocket of the
// store and the notes with their formatting.
PatternFile takePattern(frmMain& main);

// Puts a read pattern into the main window as into a new one: every result blanked as New
// blanks it, then the five board lists, diameter, taper, length, log volume, date, author and
// notes. Nothing else changes; the caller runs the update.
void putPattern(frmMain& main, const PatternFile& pattern);

}  // namespace lumbrix
