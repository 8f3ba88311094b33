// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_performance.h"

#include <algorithm>
#include <cmath>

namespace navivor {
namespace {

// The copper's temperature is found again from the losses it gives until it moves less than
// this, or the rounds run out: resistance and rise feed each other, and a winding that runs
// away stops at the hottest wire the sheet knows.
constexpr int kMostRounds = 50;
constexpr double kSettledWithin = 0.01; // K
constexpr double kHottestWire = 220;    // degC, class 220 of IEC 60317-7

// Temperature rise in K of a transformer in still air from its losses per surface:
// T = 450 psi^0.826, psi in W/cm2 (Wm. T. McLyman, "Transformer and Inductor Design
// Handbook", the temperature rise of a transformer from its surface dissipation).
double stillAirRise(double watts, double surfaceCm2) {
    return 450 * std::pow(watts / surfaceCm2, 0.826);
}

// The outside of the transformer: the core's outline, and the coil standing out of the stack
// on both faces by its build-up.
double surfaceArea(const CoreGeometry& core, double buildUp) {
    const auto [width, height] = coreOutline(core);
    const double depth = core.stackHeight + 2 * buildUp;
    return 2 * (width * height + width * depth + height * depth) / 100; // cm2
}

} // namespace

SheetPerformance sheetPerformance(const CalculatedTransformer& transformer,
                                  const CoreGeometry& core, const WindingAllowances& allowances,
                                  const PerformanceInputs& inputs, const MessageLookup& text) {
    // The classes of IEC 60085 run from 90 to 250 degC; the ambient is the working
    // temperature's range.
    requireFigureInRange(inputs.ambient, -60, kHottestWire, text("Ambient"), text);
    requireFigureInRange(inputs.insulationClass, 90, 250, text("InsulationClass"), text);
    SheetPerformance performance;
    performance.grade =
        inputs.grade ? inputs.grade : &defaultSteelGrade(transformer.laminationThickness);
    const WindingSheet sheet = computeWindingSheet(transformer, core, allowances, text);
    performance.core = coreFigures(core, *performance.grade, transformer.frequency,
                                   transformer.primary.turns, sheet);
    performance.surfaceCm2 = surfaceArea(core, sheet.totalBuildUp);

    WindingAllowances hot = allowances;
    double temperature = inputs.heldTemperature.value_or(inputs.ambient);
    const int rounds = inputs.heldTemperature ? 1 : kMostRounds;
    for (int round = 0; round < rounds; ++round) {
        hot.workingTemperature = temperature;
        performance.settled = computeWindingSheet(transformer, core, hot, text);
        performance.copperLoss = performance.settled.totalLoss;
        performance.temperatureRise = stillAirRise(
            performance.copperLoss + performance.core.lossW.nominal, performance.surfaceCm2);
        const double next = std::min(inputs.ambient + performance.temperatureRise, kHottestWire);
        const bool settled = std::abs(next - temperature) < kSettledWithin;
        temperature = next;
        if (settled)
            break;
    }
    performance.windingTemperature = hot.workingTemperature;
    performance.aboveInsulationClass =
        inputs.ambient + performance.temperatureRise > inputs.insulationClass;

    double output = 0;
    for (std::size_t k = 0; k < performance.settled.secondaries.size(); ++k) {
        const SheetRow& row = performance.settled.secondaries[k];
        output += row.loadedVoltage * row.current;
        performance.regulationPercent.push_back(100 * (row.noLoadVoltage - row.loadedVoltage) /
                                                row.loadedVoltage);
    }
    const double input = output + performance.copperLoss + performance.core.lossW.nominal;
    performance.efficiencyPercent = input > 0 ? 100 * output / input : 0;
    return performance;
}

} // namespace navivor
