// SPDX-License-Identifier: GPL-3.0-or-later
#include "enamelled_wire.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace navivor {
namespace {

// The R40 series of nominal copper diameters, mm, as the shipped wiresize.htm lists them:
// 0.050 to 0.500 from the OpenMagnetics MAS copy of the IEC 60317 tables (data/wires.ndjson,
// the Elektrisola rows); 0.071 to 5.000 from Transwire, "General Engineering Data", the
// tables "Tolerance on nominal diameter of conductor" and "Comparison of wire gauges".
constexpr std::array kStandardDiameters = {
    0.050, 0.053, 0.056, 0.060, 0.063, 0.067, 0.071, 0.075, 0.080, 0.085, 0.090, 0.095,
    0.100, 0.106, 0.112, 0.118, 0.125, 0.132, 0.140, 0.150, 0.160, 0.170, 0.180, 0.190,
    0.200, 0.212, 0.224, 0.236, 0.250, 0.265, 0.280, 0.300, 0.315, 0.335, 0.355, 0.375,
    0.400, 0.425, 0.450, 0.475, 0.500, 0.530, 0.560, 0.600, 0.630, 0.670, 0.710, 0.750,
    0.800, 0.850, 0.900, 0.950, 1.000, 1.060, 1.120, 1.180, 1.250, 1.320, 1.400, 1.500,
    1.600, 1.700, 1.800, 1.900, 2.000, 2.120, 2.240, 2.360, 2.500, 2.650, 2.800, 3.000,
    3.150, 3.350, 3.550, 3.750, 4.000, 4.250, 4.500, 4.750, 5.000};

struct WireSize {
    double copper;
    double overall;
};

// Grade 2 maximum overall diameters, mm, as the shipped wiretype.htm lists them: the
// OpenMagnetics MAS copy of the IEC 60317-0-1 tables (data/wires.ndjson, round enamelled
// copper, grade 2). It has no row for the R40 sizes between the R20 ones above 0.500 mm.
constexpr std::array kGrade2Sizes = std::to_array<WireSize>(
    {{0.050, 0.066}, {0.053, 0.070}, {0.056, 0.074}, {0.060, 0.079}, {0.063, 0.083}, {0.067, 0.088},
     {0.071, 0.091}, {0.075, 0.095}, {0.080, 0.101}, {0.085, 0.107}, {0.090, 0.113}, {0.095, 0.119},
     {0.100, 0.125}, {0.106, 0.132}, {0.112, 0.139}, {0.118, 0.145}, {0.125, 0.154}, {0.132, 0.162},
     {0.140, 0.171}, {0.150, 0.182}, {0.160, 0.194}, {0.170, 0.205}, {0.180, 0.217}, {0.190, 0.228},
     {0.200, 0.239}, {0.212, 0.254}, {0.224, 0.266}, {0.236, 0.283}, {0.250, 0.297}, {0.265, 0.314},
     {0.280, 0.329}, {0.300, 0.352}, {0.315, 0.367}, {0.335, 0.391}, {0.355, 0.411}, {0.375, 0.434},
     {0.400, 0.459}, {0.425, 0.488}, {0.450, 0.513}, {0.475, 0.541}, {0.500, 0.566}, {0.560, 0.630},
     {0.630, 0.704}, {0.710, 0.789}, {0.800, 0.884}, {0.900, 0.989}, {1.000, 1.094}, {1.120, 1.217},
     {1.250, 1.349}, {1.400, 1.502}, {1.600, 1.706}, {1.800, 1.909}, {2.000, 2.112}, {2.240, 2.355},
     {2.500, 2.618}, {2.800, 2.922}, {3.150, 3.276}, {3.550, 3.679}, {4.000, 4.133}, {4.500, 4.637},
     {5.000, 5.141}});

double increase(const WireSize& size) {
    return size.overall - size.copper;
}

// A calculated diameter carries three decimals, so a standard one within a hair of it is it.
constexpr double kSameDiameter = 1e-9;

} // namespace

std::span<const double> standardDiameters() {
    return kStandardDiameters;
}

std::optional<double> nextStandardDiameter(double copperDiameter) {
    const auto next = std::ranges::find_if(kStandardDiameters, [copperDiameter](double standard) {
        return standard >= copperDiameter - kSameDiameter;
    });
    if (next == kStandardDiameters.end())
        return std::nullopt;
    return *next;
}

double grade2OverallDiameter(double copperDiameter) {
    const auto above = std::ranges::find_if(kGrade2Sizes, [copperDiameter](const WireSize& size) {
        return size.copper >= copperDiameter;
    });
    if (above == kGrade2Sizes.begin())
        return copperDiameter + increase(kGrade2Sizes.front());
    if (above == kGrade2Sizes.end())
        return copperDiameter + increase(kGrade2Sizes.back());
    const WireSize& below = *std::prev(above);
    const double share = (copperDiameter - below.copper) / (above->copper - below.copper);
    return copperDiameter + increase(below) + share * (increase(*above) - increase(below));
}

} // namespace navivor
