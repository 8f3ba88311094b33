// SPDX-License-Identifier: GPL-3.0-or-later
// Turns found by the last sufficient winding calculation, kept for the window fill check.
// Entries beyond the current number of secondaries keep what an earlier design left.
#pragma once

#include "winding_design.h"

#include <array>

namespace navivor {

struct TurnStore {
    double primary = 0;
    std::array<double, kMaxSecondaries> secondary{}; // entry k-1 holds secondary k
};

} // namespace navivor
