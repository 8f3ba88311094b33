// SPDX-License-Identifier: GPL-3.0-or-later
#include "enamelled_wire.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace navivor {
namespace {

struct WireSize {
    double copper;
    double overall;
};

// Grade 2 maximum overall diameters, mm. Up to 0.630: Huzhou Fuda Electrical Technology,
// "Non-Self-Adhesive Enameled Wire Size (R20)", Level 2 (the same figures as the shipped
// wiretype.htm). Above it, where no metric row was at hand: Avanti Cables, "Diameters and
// increase in diameters of enamelled round copper winding wires (SWG sizes)", basis
// IS 13730-0-1, the Indian adoption of IEC 60317-0-1 (two rows with misprints left out).
constexpr std::array<WireSize, 32> kGrade2Sizes = {{
    {0.050, 0.066}, {0.056, 0.074}, {0.063, 0.083}, {0.071, 0.091}, {0.080, 0.101}, {0.090, 0.113},
    {0.100, 0.125}, {0.112, 0.139}, {0.125, 0.154}, {0.140, 0.171}, {0.160, 0.194}, {0.180, 0.217},
    {0.200, 0.239}, {0.224, 0.266}, {0.250, 0.297}, {0.280, 0.329}, {0.315, 0.367}, {0.355, 0.411},
    {0.400, 0.459}, {0.450, 0.513}, {0.500, 0.566}, {0.560, 0.630}, {0.630, 0.704}, {0.711, 0.795},
    {0.813, 0.902}, {0.914, 1.008}, {1.016, 1.113}, {1.219, 1.318}, {1.422, 1.528}, {1.626, 1.735},
    {1.829, 1.941}, {2.337, 2.455},
}};

double increase(const WireSize& size) {
    return size.overall - size.copper;
}

} // namespace

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
