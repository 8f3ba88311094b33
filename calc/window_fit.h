// SPDX-License-Identifier: GPL-3.0-or-later
// The winder's fit rule: whether the windings, as a hand winds them, go into the core's
// window across its width, with the insulation a mains transformer needs.
#pragma once

#include <span>

namespace navivor {

enum class Fit { Fits, Tight, DoesNotFit };

struct FitAllowances {
    // Wound turns do not lie flat: each winding's build-up is taken this many times. No
    // published factor was found, so the default adds nothing; the bench sets its own.
    double bulgeFactor = 1;
    // mm between the primary and the secondaries, and over the outermost winding: the least
    // distance through solid insulation IEC 60950-1 (2.10.5.2) asks of reinforced insulation.
    double interWinding = 0.4;
    double outerWrap = 0.4;
};

// Up to this share of the usable window a hand-wound coil goes in; beyond it and up to the
// whole window it is tight. The program's own thresholds: no published ones were found.
inline constexpr double kFitsUpToPercent = 90;
inline constexpr double kTightUpToPercent = 100;

struct FitVerdict {
    Fit fit = Fit::DoesNotFit;
    double fillPercent = 0; // of the window width
};

// windingBuildUps: mm of each winding across the window, the primary's first; bobbinWall the
// tube round the tongue. A wire wider than the bobbin never fits, whatever the width.
FitVerdict judgeFit(double windowWidth, double bobbinWall, std::span<const double> windingBuildUps,
                    bool everyWireLies, const FitAllowances& allowances);

// "fits", "tight", "does-not-fit", as JSON writes them.
const char* fitName(Fit fit);

} // namespace navivor
