#pragma once

namespace lumbrix {

// Log volume in m3 by the log volume table formula, rounded to 3 decimals (ties to even):
// V = k * ((D / 10)^2 * L * (0.797 + 0.0153 * L) + 3.74 * L^2) / 10000,
// with D the top diameter in mm, L the length in m and k the volume coefficient.
double logVolume(double topDiameterMm, double lengthMm, double coefficient);

class frmMain;
// The message shown when the log volume comes out 0 (a volume coefficient or length of 0).
void showLogVolumeZeroMessage(const frmMain& main);

}  // namespace lumbrix
