// SPDX-License-Identifier: GPL-3.0-or-later
// The core pick: which cores of a lamination series hold a design's windings, smallest first.
#pragma once

#include "lamination_series.h"
#include "winding_calculation.h"
#include "winding_design.h"
#include "winding_sheet.h"

#include <span>
#include <vector>

namespace navivor {

// A core that holds the windings: the lamination, the stack it needs, and what follows.
struct CoreChoice {
    Lamination lamination;
    double stack = 0;       // mm
    double section = 0;     // mm2 of the centre limb, tongue x stack
    double windowArea = 0;  // mm2
    double fillPercent = 0; // of the window width, as the winder's fit rule counts it
    double wireMass = 0;    // g of copper wire to buy, as the winding sheet gives it
    double volume = 0;      // mm3 of the stacked core
};

// Each lamination of the series with the smallest stack, from a square one (one tongue) up to
// two tongues in steps of stackStep (mm), for which the winding calculation finds the section
// large enough and the winding sheet of the calculated wires fits the window (the winder's
// fit rule says "fits", not "tight"); in order of core
// volume, smallest first. Empty when no core of the series holds the windings. A lamination
// whose sheet cannot be worked out (a drop that leaves no voltage) holds nothing. A design the
// winding calculation refuses raises its failure. messages gives the [Messages] texts,
// sheetText the [WindingSheetForm] texts.
std::vector<CoreChoice> coreChoices(const WindingDesign& design, std::span<const Lamination> series,
                                    double stackStep, const WindingAllowances& allowances,
                                    const MessageLookup& messages, const MessageLookup& sheetText);

} // namespace navivor
