// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance_text.h"

#include "text/number_text.h"

namespace navivor {
namespace {

std::string pair(double first, double second, int decimals) {
    return fixedText(first, decimals) + " / " + fixedText(second, decimals);
}

std::string line(const MessageLookup& text, const char* key, const std::string& value) {
    return text(key) + " " + value;
}

std::string withClass(std::string message, double insulationClass) {
    if (const auto at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, trimmedFixedText(insulationClass, 0));
    return message;
}

} // namespace

std::vector<std::string> performanceLines(const PerformanceInputs& inputs,
                                          const SheetPerformance& performance,
                                          const MessageLookup& text) {
    const CoreFigures& core = performance.core;
    std::vector<std::string> lines{
        " ",
        text("PerfTitle"),
        line(text, "PerfSteel", std::string(performance.grade->name)),
        line(text, "PerfCoreMass", fixedText(core.massKg, 3)),
        line(text, "PerfSteelFlux", fixedText(core.steelFluxDensity, 3)),
        line(text, "PerfCoreLoss", pair(core.lossW.nominal, core.lossW.plus10, 2)),
        line(text, "PerfMagnetising",
             pair(core.magnetisingCurrentA.nominal, core.magnetisingCurrentA.plus10, 4)),
        line(text, "PerfMagnetisingPercent",
             pair(core.magnetisingPercent.nominal, core.magnetisingPercent.plus10, 1)),
        line(text, "PerfAmbient", fixedText(inputs.ambient, 1)),
        line(text, "PerfRise", fixedText(performance.temperatureRise, 1)),
        line(text, "PerfWindingTemperature", fixedText(performance.windingTemperature, 1)),
        line(text, "PerfCopperLoss", fixedText(performance.copperLoss, 2)),
        line(text, "PerfEfficiency", fixedText(performance.efficiencyPercent, 1)),
    };
    for (std::size_t k = 0; k < performance.regulationPercent.size(); ++k)
        lines.push_back(text("PerfRegulation") + " " + std::to_string(k + 1) + " - " +
                        fixedText(performance.regulationPercent[k], 1));
    lines.push_back(
        withClass(text(performance.aboveInsulationClass ? "PerfAboveClass" : "PerfWithinClass"),
                  inputs.insulationClass));
    return lines;
}

std::vector<std::string> smoothedRectifierLines(const RectifierInput& input,
                                                const RectifierSource& source,
                                                const SmoothedRectifier& rectifier,
                                                const MessageLookup& text) {
    const RectifierRun& nominal = rectifier.nominal;
    const RectifierRun& low = rectifier.lowMains;
    std::vector<std::string> lines{
        line(text, "CapacitanceResult", fixedText(rectifier.capacitanceUF, 0)),
        text("MainsLevels"),
        line(text, "AverageV", pair(nominal.averageV, low.averageV, 2)),
        line(text, "TroughV", pair(nominal.troughV, low.troughV, 2)),
        line(text, "RippleV", pair(nominal.rippleV, low.rippleV, 2)),
        line(text, "WindingRms", pair(nominal.windingRmsA, low.windingRmsA, 3)),
        line(text, "DiodePeak", pair(nominal.diodePeakA, low.diodePeakA, 3)),
        line(text, "TroughNeeded", fixedText(input.dcVoltage + input.headroom, 2)),
        text(rectifier.troughHoldsDc          ? "TroughHolds"
             : rectifier.nominalTroughHoldsDc ? "TroughHoldsAtNominalOnly"
                                              : "TroughShort"),
    };
    const auto& capacitor = rectifier.holdingCapacitanceUF;
    lines.push_back(capacitor ? line(text, "HoldingCapacitance", fixedText(*capacitor, 0))
                              : text("HoldingCapacitanceNone"));
    const auto& winding = rectifier.holdingOpenCircuitV;
    lines.push_back(
        winding ? line(text, "HoldingWindingV", pair(*winding, source.openCircuitVoltage, 2))
                : text("HoldingWindingNone"));
    return lines;
}

} // namespace navivor
