#pragma once

namespace lumbrix {

// Log volume in m3 by the log volume table formula, rounded to 3 decimals (ties to even):
// V = k * ((D / 10)^2 * L * (0.797 + 0.0153 * L) + 3.74 * L^2) / 10000,
// with D the top diameter in mm, L the length in m and k the volume coefficient.
double logVolume(double topDiameterMm, double lengthMm, double coefficient);

}  // namespace lumbrix
