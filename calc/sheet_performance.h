// SPDX-License-Identifier: GPL-3.0-or-later
// Will it work: the core's loss and magnetising current, the temperature the transformer
// settles at in still air, and its efficiency and regulation at that temperature.
#pragma once

#include "core_figures.h"
#include "core_steel.h"
#include "winding_sheet.h"

#include <optional>
#include <vector>

namespace navivor {

struct PerformanceInputs {
    const SteelGrade* grade = nullptr; // none: the default grade of the lamination thickness
    double ambient = 25;               // degC of the still air round the transformer
    // degC the insulation may reach: thermal class B of IEC 60085.
    double insulationClass = 130;
    // The copper held at this temperature, degC; none: at the one its losses settle at.
    std::optional<double> heldTemperature;
};

struct SheetPerformance {
    const SteelGrade* grade = nullptr;
    CoreFigures core;
    double surfaceCm2 = 0;
    double temperatureRise = 0;    // K over the ambient
    double windingTemperature = 0; // degC the copper settled at
    double copperLoss = 0;         // W at that temperature
    double efficiencyPercent = 0;
    std::vector<double> regulationPercent; // per secondary, of its loaded voltage
    bool aboveInsulationClass = false;
    // The sheet again with the copper at the settled temperature.
    WindingSheet settled;
};

// Raises what computeWindingSheet raises, and FigureOutOfRange for an ambient or class out of
// range; text gives the texts of the language's [WindingSheetForm] section.
SheetPerformance sheetPerformance(const CalculatedTransformer& transformer,
                                  const CoreGeometry& core, const WindingAllowances& allowances,
                                  const PerformanceInputs& inputs, const MessageLookup& text);

} // namespace navivor
