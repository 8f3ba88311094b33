// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fit.h"

namespace navivor {

FitVerdict judgeFit(double windowWidth, double bobbinWall, std::span<const double> windingBuildUps,
                    bool everyWireLies, const FitAllowances& allowances) {
    double depth = bobbinWall + allowances.outerWrap;
    for (const double buildUp : windingBuildUps)
        depth += allowances.bulgeFactor * buildUp;
    // One barrier between the primary and the secondaries that follow it.
    if (windingBuildUps.size() > 1)
        depth += allowances.interWinding;
    FitVerdict verdict;
    verdict.fillPercent = 100 * depth / windowWidth;
    if (!everyWireLies || verdict.fillPercent > kTightUpToPercent)
        verdict.fit = Fit::DoesNotFit;
    else
        verdict.fit = verdict.fillPercent > kFitsUpToPercent ? Fit::Tight : Fit::Fits;
    return verdict;
}

const char* fitName(Fit fit) {
    switch (fit) {
    case Fit::Fits:
        return "fits";
    case Fit::Tight:
        return "tight";
    case Fit::DoesNotFit:
        return "does-not-fit";
    }
    return "";
}

} // namespace navivor
