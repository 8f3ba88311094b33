// SPDX-License-Identifier: GPL-3.0-or-later
// Enamelled round copper winding wire: the standard copper diameters and how much the enamel
// adds to them.
#pragma once

#include <optional>
#include <span>

namespace navivor {

// The nominal copper diameters in mm of IEC 60317-0-1 in the R40 series, 0.050 to 5.000,
// ascending: the sizes a winder can buy.
std::span<const double> standardDiameters();

// The smallest standard diameter not below the copper diameter; none above the largest.
std::optional<double> nextStandardDiameter(double copperDiameter);

// The largest overall diameter in mm of grade 2 (thick enamel) wire of the copper diameter,
// per IEC 60317-0-1. Between the diameters the table gives, the enamel increase is
// interpolated linearly between the neighbouring rows; beyond them the nearest row's
// increase is kept.
double grade2OverallDiameter(double copperDiameter);

} // namespace navivor
