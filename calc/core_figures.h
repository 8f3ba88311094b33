// SPDX-License-Identifier: GPL-3.0-or-later
// What the E-I core itself does at the mains: its mass, its loss and the magnetising current
// it draws, at the nominal mains voltage and at 10 % above it.
#pragma once

#include "core_steel.h"
#include "winding_sheet.h"

namespace navivor {

// A figure at the nominal mains voltage and at the mains voltage + 10 %.
struct AtMains {
    double nominal = 0;
    double plus10 = 0;
};

struct CoreFigures {
    double massKg = 0;
    double steelFluxDensity = 0; // T in the steel at the nominal mains: the stack is not all steel
    AtMains lossW;
    AtMains magnetisingCurrentA; // RMS
    AtMains magnetisingPercent;  // of the primary's load current
};

// Mean length in mm of the flux's path round one window of the E-I core: the rectangle
// through the middle of the limbs and yokes, square corners, as the sheet takes its mean turn.
double fluxPathLength(const CoreGeometry& core);

// The core's figures; the sheet gives the flux density over the stack and the primary's load
// current. The joints of the interleaved stack get no allowance, since no published figure
// for them was found: the magnetising current is a lower bound.
CoreFigures coreFigures(const CoreGeometry& core, const SteelGrade& grade, double frequency,
                        std::int64_t primaryTurns, const WindingSheet& sheet);

} // namespace navivor
