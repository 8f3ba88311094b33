// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_figures.h"

#include <cmath>
#include <numbers>

namespace navivor {
namespace {

// Steps over a quarter period of the flux: the field strength curve is symmetric, so a
// quarter holds the whole waveform's mean square.
constexpr int kQuarterSteps = 90;

// RMS of the current Ampere's law gives over a sinusoidal flux of the peak density.
double magnetisingCurrent(const SteelGrade& grade, double peakFlux, double pathMetres,
                          double turns) {
    double sumOfSquares = 0;
    for (int step = 0; step < kQuarterSteps; ++step) {
        const double angle = (step + 0.5) * (std::numbers::pi / 2) / kQuarterSteps;
        const double current =
            fieldStrength(grade, peakFlux * std::sin(angle)) * pathMetres / turns;
        sumOfSquares += current * current;
    }
    return std::sqrt(sumOfSquares / kQuarterSteps);
}

} // namespace

double fluxPathLength(const CoreGeometry& core) {
    // The outer limbs and the yokes are half the tongue wide, so the flux density is the same
    // all round the path.
    return 2 * core.windowWidth + 2 * core.windowHeight + 2.5 * core.tongueWidth;
}

CoreFigures coreFigures(const CoreGeometry& core, const SteelGrade& grade, double frequency,
                        std::int64_t primaryTurns, const WindingSheet& sheet) {
    CoreFigures figures;
    const double stacking = stackingFactor(grade);
    // The E and the I laid together: the outline less the two windows.
    const CoreOutline outline = coreOutline(core);
    const double laminationArea =
        outline.across * outline.along - 2 * core.windowWidth * core.windowHeight;
    const double steelCm3 = laminationArea * core.stackHeight * stacking / 1000;
    figures.massKg = steelCm3 * grade.density / 1000;

    figures.steelFluxDensity = sheet.fluxDensity / stacking;
    const double path = fluxPathLength(core) / 1000;
    const auto turns = static_cast<double>(primaryTurns);
    const auto at = [&](double mainsFactor, double& loss, double& current, double& percent) {
        const double flux = figures.steelFluxDensity * mainsFactor;
        loss = specificLoss(grade, flux, frequency) * figures.massKg;
        current = magnetisingCurrent(grade, flux, path, turns);
        percent = sheet.primary.current > 0 ? 100 * current / sheet.primary.current : 0;
    };
    at(1, figures.lossW.nominal, figures.magnetisingCurrentA.nominal,
       figures.magnetisingPercent.nominal);
    at(1.1, figures.lossW.plus10, figures.magnetisingCurrentA.plus10,
       figures.magnetisingPercent.plus10);
    return figures;
}

} // namespace navivor
