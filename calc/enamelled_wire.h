// SPDX-License-Identifier: GPL-3.0-or-later
// Enamelled round copper winding wire: how much the enamel adds to the copper diameter.
#pragma once

namespace navivor {

// The largest overall diameter in mm of grade 2 (thick enamel) wire of the copper diameter,
// per IEC 60317-0-1 as makers publish it; between the published sizes the enamel increase is
// interpolated, beyond them the nearest one is kept.
double grade2OverallDiameter(double copperDiameter);

} // namespace navivor
