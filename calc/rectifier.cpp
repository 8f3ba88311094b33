// SPDX-License-Identifier: GPL-3.0-or-later
#include "rectifier.h"

#include "text/failure.h"

#include <cmath>
#include <utility>

namespace navivor {
namespace {

// ATC-Frost Magnetics, "Method of Determining Secondary Current Ratings in D.C. Circuits",
// capacitor input (the bridge lines as Petra Toroid republishes the table):
//   bridge       VAC = 0.80 (VDC + 2), IAC = 1.8 IDC, VA = 1.4 (W + 2 IDC)
//   centre-tap   VAC = 1.70 (VDC + 1), IAC = 1.2 IDC, VA = 1.7 (W + IDC)
//   half-wave    VAC = 0.88 (VDC + 1), IAC = 2.6 IDC, VA = 2.3 (W + IDC)
// The 1 V per conducting diode is taken out as the diode drop, so a different diode or a
// regulator's headroom enters in its place.
struct Factors {
    double voltage;
    double current;
    double voltAmperes;
    int diodesConducting;
};

Factors factorsOf(RectifierKind kind) {
    switch (kind) {
    case RectifierKind::Bridge:
        return {0.8, 1.8, 1.4, 2};
    case RectifierKind::CentreTap:
        return {1.7, 1.2, 1.7, 1};
    case RectifierKind::HalfWave:
        return {0.88, 2.6, 2.3, 1};
    }
    return {};
}

constexpr std::pair<RectifierKind, std::string_view> kKindNames[] = {
    {RectifierKind::Bridge, "bridge"},
    {RectifierKind::CentreTap, "centre-tap"},
    {RectifierKind::HalfWave, "half-wave"},
};

bool isPositive(double value) {
    return value > 0 && std::isfinite(value);
}

bool isNotNegative(double value) {
    return value >= 0 && std::isfinite(value);
}

} // namespace

std::optional<RectifierKind> rectifierKindNamed(std::string_view name) {
    for (const auto& [kind, kindName] : kKindNames)
        if (kindName == name)
            return kind;
    return std::nullopt;
}

std::string_view rectifierKindName(RectifierKind kind) {
    for (const auto& [named, name] : kKindNames)
        if (named == kind)
            return name;
    return {};
}

SecondaryForRectifier secondaryForRectifier(const RectifierInput& input,
                                            const MessageLookup& text) {
    if (!isPositive(input.dcVoltage) || !isPositive(input.dcCurrent))
        throw Failure(text("DcNotPositive"));
    if (!isNotNegative(input.diodeDrop) || !isNotNegative(input.headroom))
        throw Failure(text("DropNegative"));
    const Factors factors = factorsOf(input.kind);
    const double rectifiedVoltage =
        input.dcVoltage + input.headroom + factors.diodesConducting * input.diodeDrop;
    const SecondaryForRectifier secondary{factors.voltage * rectifiedVoltage,
                                          factors.current * input.dcCurrent,
                                          factors.voltAmperes * rectifiedVoltage * input.dcCurrent};
    if (!std::isfinite(secondary.voltAmperes))
        throw Failure(text("DcTooLarge"));
    return secondary;
}

} // namespace navivor
