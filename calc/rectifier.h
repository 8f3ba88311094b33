// SPDX-License-Identifier: GPL-3.0-or-later
// The rectifier front end: the secondary winding a DC supply with a capacitor-input filter
// needs, from the DC voltage and current wanted.
#pragma once

#include "winding_calculation.h"

#include <optional>
#include <string_view>

namespace navivor {

enum class RectifierKind { Bridge, CentreTap, HalfWave };

// "bridge", "centre-tap", "half-wave", the names navivor-calc takes, and back.
std::optional<RectifierKind> rectifierKindNamed(std::string_view name);
std::string_view rectifierKindName(RectifierKind kind);

struct RectifierInput {
    double dcVoltage = 12; // V across the filter capacitor's load
    double dcCurrent = 1;  // A
    RectifierKind kind = RectifierKind::Bridge;
    // V across one conducting diode at the charging peaks: 1 V is the published factors' own
    // figure for silicon (the 1N4001 to 1N4007 give at most 1.0 to 1.1 V at 1 A).
    double diodeDrop = 1;
    double headroom = 0; // V a following regulator needs above its output
};

struct SecondaryForRectifier {
    double acVoltage;   // V RMS; end to end of a centre-tapped winding
    double acCurrent;   // A RMS
    double voltAmperes; // what the winding must carry
};

// Raises a Failure for a voltage or current that is not positive, a negative drop or
// headroom, or a winding beyond the range of numbers; text gives its message from the
// language's [RectifierForm] section.
SecondaryForRectifier secondaryForRectifier(const RectifierInput& input, const MessageLookup& text);

} // namespace navivor
