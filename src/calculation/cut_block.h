#pragma once

namespace lumbrix {

class frmMain;
class ListBox;

// The rectangle of boards and saw cuts that governs the log: in centre-material mode the
// centre block with its kerfs; in side-board mode the larger (by diagonal) of the edger stack
// and the side row. Measured on the board boxes as laid out. The diameter fit sizes the log to
// its diagonal; the sawdust is cut along its sides.
struct CutBlock {
    double width = 0;
    double height = 0;
    double diagonal() const;
};

// The sum of the sawing thicknesses of the centre rows, mm.
double sumOfSawingThicknesses(const ListBox& centre);

// `k1`, `k2`: the kerfs of the first and second saw; `thicknesses`: the sum of the centre
// rows' sawing thicknesses.
CutBlock governingCutBlock(const frmMain& main, double k1, double k2, double thicknesses);

}  // namespace lumbrix
