// SPDX-License-Identifier: GPL-3.0-or-later
// The inputs of one transformer design as the main window holds them: the texts of the
// winding grids' cells and the values of the spin fields.
#pragma once

#include "text/failure.h"

#include <cstdint>
#include <string>
#include <vector>

namespace navivor {

inline constexpr std::size_t kMaxSecondaries = 50;

struct SecondaryCells {
    std::string voltage;
    std::string current;
    std::string diameter; // the chosen wire diameter, once the diameter column exists
};

// Both calculations refuse a design of more windings than the turn store holds.
inline void requireAtMostMaxSecondaries(std::size_t secondaries) {
    if (secondaries > kMaxSecondaries)
        throw Failure("at most 50 secondary windings");
}

struct WindingDesign {
    std::string primaryVoltage;
    std::string primaryDiameter;
    std::vector<SecondaryCells> secondaries; // rows 1 to N of the windings grid, N <= 50
    std::int32_t frequency = 50;             // Hz
    std::int32_t coreSection = 1;            // mm2 of the centre limb
    std::int32_t windowArea = 1;             // mm2 of the core window
};

} // namespace navivor
