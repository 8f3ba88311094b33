// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet: what the person at the winding bench needs beyond turns and diameters.
// From a sufficient winding calculation and the wires chosen, it lays the windings on the
// bobbin (primary innermost, then the secondaries in order) and gives each one's build-up,
// wire length and mass, resistance cold and hot, voltage drop and copper loss, and the
// secondary voltages to expect under load.
#pragma once

#include "report_lines.h"
#include "text/failure.h"
#include "turn_store.h"
#include "winding_calculation.h"
#include "winding_design.h"
#include "window_fit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace navivor {

// Annealed copper as IEC 60028 defines it (the International Annealed Copper Standard).
namespace copper {
inline constexpr double kResistivity20 = 1.0 / 58;           // ohm mm2/m at 20 degC
inline constexpr double kTemperatureCoefficient20 = 0.00393; // 1/K, referred to 20 degC
inline constexpr double kDensity = 8.89;                     // g/cm3 at 20 degC
} // namespace copper

// The core in millimetres: the centre limb (tongue) and the stack carry the windings, the
// window holds them.
struct CoreGeometry {
    double tongueWidth = 0;
    double stackHeight = 0;
    double windowWidth = 0;  // across, from the tongue to the outer limb
    double windowHeight = 0; // along the tongue: the length of the bobbin
};

// The outline in mm of an E and an I laid together, outer limbs and yokes half the tongue
// wide: two tongues and two windows across, a window and a tongue along.
struct CoreOutline {
    double across = 0;
    double along = 0;
};

CoreOutline coreOutline(const CoreGeometry& core);

// A square centre limb of the section and the usual E-lamination window, half the tongue
// wide and one and a half tongues high.
CoreGeometry standardCoreGeometry(double coreSection);

// What the bench adds to the bare calculation.
struct WindingAllowances {
    double sparePercent = 10;       // wire bought beyond the wound length
    double workingTemperature = 75; // degC: IEC 60076-1's reference temperature for losses
    double bobbinWall = 1;          // mm: the tube round the tongue and each cheek
    double layerInsulation = 0.05;  // mm: the tape laid over every layer
    FitAllowances fit;              // what the fit rule adds to the windings' build-up
};

struct SheetWinding {
    double voltage = 0; // V, nominal
    double current = 0; // A, rated; for the primary it is worked out from the secondaries
    std::int64_t turns = 0;
    double diameter = 0; // mm of copper
    // The calculated diameter when diameter is the standard one it was rounded up to, else 0.
    double calculatedDiameter = 0;
    // The diameter is the one typed for the winding, not the calculated one.
    bool chosen = false;
};

// What a sufficient winding calculation found, in numbers.
struct CalculatedTransformer {
    std::int32_t frequency = 50;
    std::int32_t coreSection = 1;
    SheetWinding primary;
    std::vector<SheetWinding> secondaries;
    double laminationThickness = 0; // mm as typed; 0 when it was no number
};

// The design as the calculation left it, its turns and the calculated diameters.
CalculatedTransformer calculatedTransformer(const WindingDesign& design, const TurnStore& turns,
                                            const ReportFigures& figures);

// Diameter texts typed for the windings, the primary's first: a text that is not empty
// replaces the calculated diameter, and the winding's diameter counts as chosen; one that is
// no number raises the conversion failure.
void applyChosenDiameters(CalculatedTransformer& transformer,
                          const std::vector<std::string>& diameters);

// Every winding whose diameter was not chosen takes the standard diameter its calculated one
// rounds up to (see nextStandardDiameter), keeping the calculated one beside it; one beyond
// the largest standard diameter keeps its own.
void roundUpToStandardWires(CalculatedTransformer& transformer);

struct SheetRow {
    std::int64_t turns = 0;
    double current = 0;
    double diameter = 0;
    double calculatedDiameter = 0; // as in SheetWinding: set when rounded up to diameter
    double overallDiameter = 0;
    std::int64_t turnsPerLayer = 0; // 0: the wire is wider than the bobbin
    std::int64_t layers = 0;
    double buildUp = 0;       // mm
    double meanTurn = 0;      // mm
    double length = 0;        // m wound
    double lengthToBuy = 0;   // m with the spare allowance
    double mass = 0;          // g of the length to buy
    double resistance20 = 0;  // ohm
    double resistanceHot = 0; // ohm at the working temperature
    double drop = 0;          // V at the rated current, hot
    double loss = 0;          // W at the rated current, hot
    // Secondaries only
    double noLoadVoltage = 0;
    double loadedVoltage = 0;   // never below zero: a sheet where it would be is refused
    double turnsForNominal = 0; // a whole number; past 2^53 as a double holds it
};

struct WindingSheet {
    SheetRow primary;
    std::vector<SheetRow> secondaries;
    double totalMass = 0;
    double totalLoss = 0;
    double totalBuildUp = 0;         // mm, bobbin wall included
    FitVerdict fit;                  // by the winder's fit rule
    bool fits = false;               // the fit rule does not refuse it: it fits or is tight
    double fluxDensity = 0;          // T at the nominal mains voltage
    double fluxDensityHighMains = 0; // T at the mains voltage + 10 %
};

// A sheet figure outside the range where the sheet means something: the message names the
// figure and the range.
class FigureOutOfRange : public Failure {
public:
    using Failure::Failure;
};

// Raises FigureOutOfRange naming the figure and the range least to most when the value is
// outside it; text gives the message from the language's [WindingSheetForm] section.
void requireFigureInRange(double value, double least, double most, const std::string& figure,
                          const MessageLookup& text);

// text gives the texts of the language's [WindingSheetForm] section. Raises FigureOutOfRange
// for the first figure out of its range (the core and allowances first, then the wires in
// order), and a Failure when a winding's drop leaves it no voltage under load or a figure
// of the sheet is beyond the range of numbers; so every figure of a sheet is finite.
WindingSheet computeWindingSheet(const CalculatedTransformer& transformer, const CoreGeometry& core,
                                 const WindingAllowances& allowances, const MessageLookup& text);

} // namespace navivor
