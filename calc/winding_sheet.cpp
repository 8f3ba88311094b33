// SPDX-License-Identifier: GPL-3.0-or-later
#include "winding_sheet.h"

#include "enamelled_wire.h"
#include "text/failure.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace navivor {
namespace {

// The text of a key with %1, %2, ... replaced by the arguments in order (nine at most).
std::string withArguments(std::string text, std::initializer_list<std::string> arguments) {
    char digit = '1';
    for (const std::string& argument : arguments) {
        const std::string marker{'%', digit++};
        if (const auto at = text.find(marker); at != std::string::npos)
            text.replace(at, marker.size(), argument);
    }
    return text;
}

// Where each figure means something. A range whose upper end is excluded leaves room for
// what is wound beside the figure.
struct FigureRange {
    double least;
    double most;
    bool mostExcluded = false;

    bool holds(double value) const {
        return value >= least && (mostExcluded ? value < most : value <= most);
    }
};

// Enamelled round copper wire as wound by hand, and the cores of small mains transformers:
// the program's own bounds, far beyond any table it has but short of where the figures of a
// sheet lose their meaning.
constexpr FigureRange kWireDiameter{0.01, 10};
constexpr FigureRange kCoreFigure{1, 1000};
constexpr FigureRange kSparePercent{0, 100};
// The hot end is the thermal class of the hottest enamelled round copper wire, class 220
// (IEC 60317-7, polyimide). No standard found sets a cold end; -60 degC is the program's own,
// below the climate of any bench.
constexpr FigureRange kWorkingTemperature{-60, 220};
// No winding bulges to twice its flat build-up: the program's own bound.
constexpr FigureRange kBulgeFactor{1, 2};

void requireInRange(double value, const FigureRange& range, const std::string& figure,
                    const MessageLookup& text) {
    if (range.holds(value))
        return;
    throw FigureOutOfRange(
        withArguments(text(range.mostExcluded ? "RangeBelow" : "Range"),
                      {figure, trimmedFixedText(range.least, 2), trimmedFixedText(range.most, 2)}));
}

void checkInputs(const CalculatedTransformer& transformer, const CoreGeometry& core,
                 const WindingAllowances& allowances, const MessageLookup& text) {
    requireInRange(core.tongueWidth, kCoreFigure, text("TongueWidth"), text);
    requireInRange(core.stackHeight, kCoreFigure, text("StackHeight"), text);
    requireInRange(core.windowWidth, kCoreFigure, text("WindowWidth"), text);
    requireInRange(core.windowHeight, kCoreFigure, text("WindowHeight"), text);
    // The bobbin leaves the windings some length along the tongue and some depth across the
    // window, and the tape over a layer leaves the layer some depth.
    requireInRange(allowances.bobbinWall,
                   {0, std::min(core.windowHeight / 2, core.windowWidth), true}, text("BobbinWall"),
                   text);
    requireInRange(allowances.layerInsulation, {0, core.windowWidth - allowances.bobbinWall, true},
                   text("LayerTape"), text);
    requireInRange(allowances.sparePercent, kSparePercent, text("SparePercent"), text);
    requireInRange(allowances.workingTemperature, kWorkingTemperature, text("Temperature"), text);
    requireInRange(allowances.fit.bulgeFactor, kBulgeFactor, text("Bulge"), text);
    requireInRange(allowances.fit.interWinding, {0, core.windowWidth}, text("InterWinding"), text);
    requireInRange(allowances.fit.outerWrap, {0, core.windowWidth}, text("OuterWrap"), text);
    if (transformer.primary.turns <= 0)
        throw Failure(text("NoPrimaryTurns"));
    requireInRange(transformer.primary.diameter, kWireDiameter, text("PrimaryWire"), text);
    for (std::size_t k = 0; k < transformer.secondaries.size(); ++k)
        requireInRange(transformer.secondaries[k].diameter, kWireDiameter,
                       withArguments(text("SecondaryWire"), {std::to_string(k + 1)}), text);
}

// Lays one winding on the bobbin over what is wound already (inner: mm from the tongue's
// surface to the winding's first layer). Every layer is covered by the layer insulation.
SheetRow layWinding(const SheetWinding& winding, double inner, const CoreGeometry& core,
                    const WindingAllowances& allowances) {
    SheetRow row;
    row.turns = winding.turns;
    row.current = winding.current;
    row.diameter = winding.diameter;
    row.calculatedDiameter = winding.calculatedDiameter;
    row.overallDiameter = grade2OverallDiameter(winding.diameter);
    const double bobbinLength = core.windowHeight - 2 * allowances.bobbinWall;
    const double fitting = bobbinLength > 0 ? std::floor(bobbinLength / row.overallDiameter) : 0;
    // A layer never holds more turns than the winding has, which also keeps the count within
    // range however long the bobbin.
    row.turnsPerLayer = static_cast<std::int64_t>(
        std::min(fitting, static_cast<double>(std::max<std::int64_t>(winding.turns, 1))));
    // A wire wider than the bobbin: one turn a layer, and the sheet says it does not fit.
    const std::int64_t perLayer = std::max<std::int64_t>(row.turnsPerLayer, 1);
    row.layers = winding.turns / perLayer + (winding.turns % perLayer != 0 ? 1 : 0);
    row.buildUp =
        static_cast<double>(row.layers) * (row.overallDiameter + allowances.layerInsulation);

    // The rectangle through the middle of the winding, square corners: a little more than a
    // real turn, so the wire bought does not run short.
    const double middle = inner + row.buildUp / 2;
    row.meanTurn = 2 * (core.tongueWidth + core.stackHeight) + 8 * middle;
    row.length = static_cast<double>(winding.turns) * row.meanTurn / 1000;
    row.lengthToBuy = row.length * (1 + allowances.sparePercent / 100);

    const double copperSection = std::numbers::pi * winding.diameter * winding.diameter / 4; // mm2
    row.mass = copper::kDensity * copperSection * row.lengthToBuy; // g/cm3 x mm2 x m = g
    row.resistance20 = copper::kResistivity20 * row.length / copperSection;
    row.resistanceHot = row.resistance20 * (1 + copper::kTemperatureCoefficient20 *
                                                    (allowances.workingTemperature - 20));
    row.drop = winding.current * row.resistanceHot;
    row.loss = winding.current * row.drop;
    return row;
}

// Faraday's law for a sinusoidal flux: U = sqrt(2) pi f N B A.
double fluxDensity(double voltage, double frequency, std::int64_t turns, const CoreGeometry& core) {
    const double area = core.tongueWidth * core.stackHeight / 1e6; // m2
    return voltage /
           (std::numbers::sqrt2 * std::numbers::pi * frequency * static_cast<double>(turns) * area);
}

} // namespace

void requireFigureInRange(double value, double least, double most, const std::string& figure,
                          const MessageLookup& text) {
    requireInRange(value, {least, most}, figure, text);
}

CoreOutline coreOutline(const CoreGeometry& core) {
    return {2 * core.tongueWidth + 2 * core.windowWidth, core.windowHeight + core.tongueWidth};
}

CoreGeometry standardCoreGeometry(double coreSection) {
    const double tongue = std::sqrt(coreSection);
    return {tongue, tongue, tongue / 2, 1.5 * tongue};
}

CalculatedTransformer calculatedTransformer(const WindingDesign& design, const TurnStore& turns,
                                            const ReportFigures& figures) {
    CalculatedTransformer transformer;
    transformer.frequency = design.frequency;
    transformer.coreSection = design.coreSection;
    transformer.primary = {toDouble(textToNumber(design.primaryVoltage)), 0,
                           static_cast<std::int64_t>(turns.primary),
                           toDouble(textToNumber(figures.primary.diameter))};
    for (std::size_t k = 0; k < design.secondaries.size(); ++k)
        transformer.secondaries.push_back(
            {toDouble(textToNumber(design.secondaries[k].voltage)),
             toDouble(textToNumber(design.secondaries[k].current)),
             static_cast<std::int64_t>(turns.secondary[k]),
             toDouble(textToNumber(figures.secondaries[k].diameter))});
    return transformer;
}

void applyChosenDiameters(CalculatedTransformer& transformer,
                          const std::vector<std::string>& diameters) {
    for (std::size_t k = 0; k < diameters.size() && k <= transformer.secondaries.size(); ++k) {
        if (diameters[k].empty())
            continue;
        SheetWinding& winding = k == 0 ? transformer.primary : transformer.secondaries[k - 1];
        winding.diameter = toDouble(textToNumber(diameters[k]));
        winding.chosen = true;
    }
}

void roundUpToStandardWires(CalculatedTransformer& transformer) {
    for (std::size_t k = 0; k <= transformer.secondaries.size(); ++k) {
        SheetWinding& winding = k == 0 ? transformer.primary : transformer.secondaries[k - 1];
        if (winding.chosen)
            continue;
        if (const auto standard = nextStandardDiameter(winding.diameter)) {
            winding.calculatedDiameter = winding.diameter;
            winding.diameter = *standard;
        }
    }
}

WindingSheet computeWindingSheet(const CalculatedTransformer& transformer, const CoreGeometry& core,
                                 const WindingAllowances& allowances, const MessageLookup& text) {
    checkInputs(transformer, core, allowances, text);
    WindingSheet sheet;

    // Ampere-turn balance, the magnetising current left out.
    SheetWinding primary = transformer.primary;
    const auto primaryTurns = static_cast<double>(primary.turns);
    for (const SheetWinding& secondary : transformer.secondaries)
        primary.current += secondary.current * static_cast<double>(secondary.turns) / primaryTurns;

    double inner = allowances.bobbinWall;
    sheet.primary = layWinding(primary, inner, core, allowances);
    inner += sheet.primary.buildUp;
    bool everyWireFits = sheet.primary.turnsPerLayer > 0;
    for (const SheetWinding& secondary : transformer.secondaries) {
        SheetRow& row =
            sheet.secondaries.emplace_back(layWinding(secondary, inner, core, allowances));
        inner += row.buildUp;
        everyWireFits = everyWireFits && row.turnsPerLayer > 0;
    }
    sheet.totalBuildUp = inner;
    std::vector<double> buildUps{sheet.primary.buildUp};
    for (const SheetRow& row : sheet.secondaries)
        buildUps.push_back(row.buildUp);
    sheet.fit =
        judgeFit(core.windowWidth, allowances.bobbinWall, buildUps, everyWireFits, allowances.fit);
    sheet.fits = sheet.fit.fit != Fit::DoesNotFit;

    // The copper's resistance only: the leakage reactance of a small transformer adds little
    // at a resistive load. The primary's drop lowers the voltage every secondary sees.
    const double voltsPerTurn = (primary.voltage - sheet.primary.drop) / primaryTurns;
    if (!(voltsPerTurn > 0))
        throw Failure(text("PrimaryDrop"));
    for (std::size_t k = 0; k < sheet.secondaries.size(); ++k) {
        SheetRow& row = sheet.secondaries[k];
        const SheetWinding& secondary = transformer.secondaries[k];
        const auto turns = static_cast<double>(row.turns);
        row.noLoadVoltage = primary.voltage * turns / primaryTurns;
        row.loadedVoltage = voltsPerTurn * turns - row.drop;
        // The winding's resistance grows with its turns, so each turn gives the volts per
        // turn less its own share of the drop.
        const double netVoltsPerTurn = turns > 0 ? voltsPerTurn - row.drop / turns : voltsPerTurn;
        if (!(netVoltsPerTurn > 0) || (turns > 0 && !(row.loadedVoltage > 0)))
            throw Failure(withArguments(text("SecondaryDrop"), {std::to_string(k + 1)}));
        row.turnsForNominal = std::round(secondary.voltage / netVoltsPerTurn);
    }

    sheet.totalMass = sheet.primary.mass;
    sheet.totalLoss = sheet.primary.loss;
    for (const SheetRow& row : sheet.secondaries) {
        sheet.totalMass += row.mass;
        sheet.totalLoss += row.loss;
    }
    sheet.fluxDensity = fluxDensity(primary.voltage, transformer.frequency, primary.turns, core);
    sheet.fluxDensityHighMains = 1.1 * sheet.fluxDensity;
    // Every sum and every row's figures feed the totals, so these stand for the whole sheet.
    double everyFigure =
        sheet.totalMass + sheet.totalLoss + sheet.totalBuildUp + sheet.fluxDensityHighMains;
    for (const SheetRow& row : sheet.secondaries)
        everyFigure += row.noLoadVoltage + row.turnsForNominal;
    if (!std::isfinite(everyFigure))
        throw Failure(text("TooLarge"));
    return sheet;
}

} // namespace navivor
