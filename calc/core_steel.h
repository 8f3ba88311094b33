// SPDX-License-Identifier: GPL-3.0-or-later
// Non-oriented electrical steel for the core: the grades of EN 10106 (IEC 60404-8-4) the
// program knows, each with its guaranteed loss, density and a typical magnetisation curve.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace navivor {

// The coefficients of a magnetisation curve fitted with the approximation of the Modelica
// Standard Library (Modelica.Magnetic.FluxTubes.Material.SoftMagnetic.mu_rApprox):
// mu_r = 1 + (mu_i - 1 + c_a B_N) / (1 + c_b B_N + B_N^n), B_N = B / B_myMax.
struct MagnetisationCurve {
    double initialPermeability; // mu_i
    double peakPermeabilityAt;  // B_myMax, T
    double a;                   // c_a
    double b;                   // c_b
    double exponent;            // n
};

struct SteelGrade {
    std::string_view name;
    double thickness;      // mm
    double guaranteedLoss; // W/kg at most, at 1.5 T and 50 Hz: the name's first number / 100
    double density;        // g/cm3, the grade's conventional density in EN 10106
    const MagnetisationCurve* curve;
};

std::span<const SteelGrade> steelGrades();

// The lamination thickness typed in mm; 0 for a text that is no number.
double typedThickness(std::string_view text);

// A grade by its name, as navivor-calc's --steel takes it.
const SteelGrade* steelGradeNamed(std::string_view name);

// The grades of the thickness nearest the lamination thickness typed, taken in order of loss:
// the middle one, or the higher-loss one of the middle two, so the figures err on the safe
// side. A thickness that is no positive number gives the grades of 0.50 mm.
const SteelGrade& defaultSteelGrade(double laminationThickness);

// The least stacking factor EN 10106 asks of the thickness: the share of the stack's height
// that is steel.
double stackingFactor(const SteelGrade& grade);

// W/kg at the peak flux density in the steel and the frequency: the guaranteed figure
// scaled by Steinmetz's law, p ~ f B^1.6 (C. P. Steinmetz, "On the Law of Hysteresis",
// Transactions of the AIEE 9, 1892).
double specificLoss(const SteelGrade& grade, double fluxDensity, double frequency);

// A/m the typical curve needs for the flux density in the steel.
double fieldStrength(const SteelGrade& grade, double fluxDensity);

} // namespace navivor
