// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_cycle.h"

#include "text/number_text.h"
#include "window_fill_check.h"

namespace navivor {

PressResult CalculationCycle::press(WindingDesign& design, std::string_view thickness,
                                    const MessageLookup& text, ReportLines& report) {
    if (thickness.empty() || !(textToNumber(thickness) > 0))
        return PressResult::ThicknessMissing;

    // A primary voltage below 0.1 V would divide by zero further on.
    constexpr Extended lowestPrimaryVoltage = 0.1L;
    if (textToNumber(design.primaryVoltage) < lowestPrimaryVoltage)
        design.primaryVoltage = numberToText(lowestPrimaryVoltage);

    if (mode_ == CycleMode::Fill) {
        runWindowFillCheck(design, turnStore_, report);
        return PressResult::FillChecked;
    }
    if (runWindingCalculation(design, turnStore_, text, report) == WindingOutcome::CoreInsufficient)
        return PressResult::CoreInsufficient;
    mode_ = CycleMode::Fill;
    design.primaryDiameter.clear();
    return PressResult::CoreSufficient;
}

} // namespace navivor
