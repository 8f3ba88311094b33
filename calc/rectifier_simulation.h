// SPDX-License-Identifier: GPL-3.0-or-later
// The capacitor-input rectifier run in time: the winding as a sinusoidal source behind its
// resistance, the diodes as a fixed drop each, the smoothing capacitor and a load drawing a
// constant current, stepped through the mains periods to the steady state.
#pragma once

#include "rectifier.h"

#include <optional>

namespace navivor {

struct RectifierSource {
    double openCircuitVoltage = 0; // V RMS of the winding unloaded, end to end for centre-tap
    // ohm in series with the winding, more than 0: its own and the primary's referred to it;
    // for centre-tap the whole winding's, each half taking half.
    double resistance = 0;
    double frequency = 50;
};

struct RectifierRun {
    double averageV = 0;
    double troughV = 0;
    double rippleV = 0;     // peak to peak
    double windingRmsA = 0; // for centre-tap, each half's
    double diodePeakA = 0;
};

struct SmoothedRectifier {
    double capacitanceUF = 0;
    RectifierRun nominal;       // at the nominal mains voltage
    RectifierRun lowMains;      // at the mains voltage - 10 %
    bool troughHoldsDc = false; // the low-mains trough is at least the DC asked plus headroom
    bool nominalTroughHoldsDc = false; // the same at nominal mains
    // What would make it hold: the least capacitor, 1 uF to 1 F; the least unloaded voltage of
    // the winding, 1 mV to 1 MV, with the capacitor above. None where nothing in range does.
    std::optional<double> holdingCapacitanceUF;
    std::optional<double> holdingOpenCircuitV;
};

// Above this a half-wave rectifier is refused: its winding's DC current biases the core.
inline constexpr double kMostHalfWaveWatts = 0.5;

// The capacitor given in microfarads, or else the least one (1 uF to 1 F) whose nominal
// ripple is at most rippleV. Raises a Failure with the reason from text (the language's
// [RectifierForm] section) for a half-wave rectifier above kMostHalfWaveWatts, a source,
// capacitor or ripple that is not a positive number, or a ripple no capacitor reaches.
SmoothedRectifier smoothedRectifier(const RectifierInput& input, const RectifierSource& source,
                                    std::optional<double> capacitanceUF, double rippleV,
                                    const MessageLookup& text);

// One run at the capacitor; mainsFactor scales the source's voltage.
RectifierRun runRectifier(const RectifierInput& input, const RectifierSource& source,
                          double capacitanceUF, double mainsFactor);

} // namespace navivor
