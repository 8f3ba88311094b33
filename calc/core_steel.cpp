// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_steel.h"

#include "text/failure.h"
#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace navivor {
namespace {

// Typical curves of the Modelica Standard Library 4 (package
// Modelica.Magnetic.FluxTubes.Material.SoftMagnetic.ElectricSheet), each measured on
// sheet strip in the Epstein frame at 50 Hz.
constexpr MagnetisationCurve kM350_50A{1210, 1.16, 24630, 2.44, 14};
constexpr MagnetisationCurve kM530_50A{2120, 1.25, 12400, 1.6, 13.5};
constexpr MagnetisationCurve kM700_100A{1120, 1.2, 20750, 3.55, 13.15};
constexpr MagnetisationCurve kM940_100A{680, 1.26, 17760, 3.13, 13.9};

// A grade without a published curve of its own takes the curve of the grade of nearest
// guaranteed loss that has one. The densities are the conventional ones of EN 10106's table
// of grades (for M330-35A, 7.65 kg/dm3, as EMT's "Allgemeine Informationen zu Elektroblechen",
// emt-net.de, gives it).
constexpr std::array kGrades = {
    SteelGrade{"M270-35A", 0.35, 2.70, 7.65, &kM350_50A},
    SteelGrade{"M330-35A", 0.35, 3.30, 7.65, &kM350_50A},
    SteelGrade{"M350-50A", 0.50, 3.50, 7.65, &kM350_50A},
    SteelGrade{"M400-50A", 0.50, 4.00, 7.70, &kM350_50A},
    SteelGrade{"M530-50A", 0.50, 5.30, 7.70, &kM530_50A},
    SteelGrade{"M800-50A", 0.50, 8.00, 7.80, &kM700_100A},
    SteelGrade{"M800-65A", 0.65, 8.00, 7.80, &kM700_100A},
    SteelGrade{"M1000-65A", 0.65, 10.00, 7.80, &kM940_100A},
    SteelGrade{"M700-100A", 1.00, 7.00, 7.80, &kM700_100A},
    SteelGrade{"M1000-100A", 1.00, 10.00, 7.80, &kM940_100A},
};

// Steinmetz's exponent of the flux density; the loss grows in proportion to the frequency.
constexpr double kFluxExponent = 1.6;
constexpr double kGuaranteeFlux = 1.5; // T
constexpr double kGuaranteeFrequency = 50;

constexpr double kMagneticConstant = 4e-7 * std::numbers::pi; // H/m

} // namespace

std::span<const SteelGrade> steelGrades() {
    return kGrades;
}

double typedThickness(std::string_view text) {
    try {
        return toDouble(textToNumber(text));
    } catch (const Failure&) {
        return 0;
    }
}

const SteelGrade* steelGradeNamed(std::string_view name) {
    const auto found = std::ranges::find(kGrades, name, &SteelGrade::name);
    return found == kGrades.end() ? nullptr : &*found;
}

const SteelGrade& defaultSteelGrade(double laminationThickness) {
    const double thickness = laminationThickness > 0 ? laminationThickness : 0.5;
    const auto nearest = std::ranges::min_element(kGrades, {}, [thickness](const SteelGrade& g) {
        return std::abs(g.thickness - thickness);
    });
    std::vector<const SteelGrade*> sameThickness;
    for (const SteelGrade& grade : kGrades)
        if (grade.thickness == nearest->thickness)
            sameThickness.push_back(&grade); // the table holds each thickness in order of loss
    return *sameThickness[sameThickness.size() / 2];
}

double stackingFactor(const SteelGrade& grade) {
    // EN 10106: at least 0.95 for 0.35 mm (so EMT's "Allgemeine Informationen zu
    // Elektroblechen" for M330-35A), 0.97 for 0.50 and 0.65 mm, 0.98 for 1.00 mm.
    if (grade.thickness < 0.5)
        return 0.95;
    return grade.thickness < 1 ? 0.97 : 0.98;
}

double specificLoss(const SteelGrade& grade, double fluxDensity, double frequency) {
    return grade.guaranteedLoss * std::pow(fluxDensity / kGuaranteeFlux, kFluxExponent) *
           (frequency / kGuaranteeFrequency);
}

double fieldStrength(const SteelGrade& grade, double fluxDensity) {
    const MagnetisationCurve& curve = *grade.curve;
    const double normalised = std::abs(fluxDensity) / curve.peakPermeabilityAt;
    const double relative =
        1 + (curve.initialPermeability - 1 + curve.a * normalised) /
                (1 + curve.b * normalised + std::pow(normalised, curve.exponent));
    return fluxDensity / (kMagneticConstant * relative);
}

} // namespace navivor
