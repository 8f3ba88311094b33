// SPDX-License-Identifier: GPL-3.0-or-later
#include "winding_calculation.h"

#include "text/number_text.h"

namespace navivor {
namespace {

// Flux density of the core by load power; a bound belongs to the lower band.
double inductionFactor(double loadPower) {
    if (loadPower <= 10)
        return 0.7;
    if (loadPower <= 30)
        return 0.8;
    if (loadPower <= 50)
        return 0.9;
    if (loadPower <= 100)
        return 1.0;
    return 1.2;
}

// A cell with no characters at all reads as 0 and shows "0" from then on.
double cellValueOrZero(std::string& cell) {
    if (cell.empty()) {
        cell = "0";
        return 0;
    }
    return toDouble(textToNumber(cell));
}

// Diameter in mm, three decimals, of a wire carrying 2 A/mm2: the square root of
// (2 x current) / 3.14.
double wireDiameter(Extended doubledCurrent) {
    const Extended root = squareRoot(quotient(doubledCurrent, 3.14L));
    return toDouble(quotient(static_cast<Extended>(Round(product(root, 1000))), 1000));
}

} // namespace

WindingOutcome runWindingCalculation(WindingDesign& design, TurnStore& store,
                                     const MessageLookup& text, ReportLines& report) {
    requireAtMostMaxSecondaries(design.secondaries.size());
    report.clear();

    double loadPower = 0;
    for (SecondaryCells& row : design.secondaries) {
        const double voltage = cellValueOrZero(row.voltage);
        const double current = cellValueOrZero(row.current);
        loadPower = toDouble(sum(product(voltage, current), loadPower));
    }

    const double induction = inductionFactor(loadPower);
    ReportFigures& figures = report.figures;
    figures.loadPower = numberToText(loadPower);
    figures.induction = numberToText(induction);
    const double rootOfPower = toDouble(squareRoot(loadPower));
    if (!(quotient(design.coreSection, 100) >= rootOfPower)) {
        // As everywhere in the report, a line's numbers are worked out as the line is
        // composed, so a failure among them leaves the lines before it in the report.
        report.append(text("Mes3"));
        // Round(R x 100) + 1: every 64-bit integer is exact in extended, so the sum is too.
        const Extended smallestSection =
            static_cast<Extended>(Round(product(rootOfPower, 100))) + 1;
        figures.smallestSection = numberToText(smallestSection);
        report.append(text("Mes4") + " " + figures.smallestSection + " " + text("Mes5"));
        return WindingOutcome::CoreInsufficient;
    }

    const Extended frequencyTimesInduction = product(design.frequency, induction);
    double turnsPerVolt = toDouble(
        quotient(2200, product(quotient(design.coreSection, 10000), frequencyTimesInduction)));
    turnsPerVolt = toDouble(quotient(turnsPerVolt, 100));
    figures.turnsPerVolt = numberToText(turnsPerVolt);

    report.append(text("Mes6"));
    report.append(text("Mes7") + " " + integerToText(design.frequency));
    report.append(text("Mes8") + " " + design.primaryVoltage);
    report.append(text("Mes9") + " " + integerToText(design.coreSection));
    report.append(text("Mes10") + " " + figures.loadPower);
    report.append(" ");
    report.append(text("Mes11"));
    report.append(" ");

    const Extended primaryVoltage = textToNumber(design.primaryVoltage);
    const std::int64_t primaryTurns = Round(product(primaryVoltage, turnsPerVolt));
    figures.primary.turns = numberToText(static_cast<Extended>(primaryTurns));
    report.append(text("Mes12") + " " + figures.primary.turns);
    store.primary = static_cast<double>(primaryTurns);
    const double primaryDiameter = wireDiameter(quotient(product(2, loadPower), primaryVoltage));
    figures.primary.diameter = numberToText(primaryDiameter);
    report.append(text("Mes13") + " " + figures.primary.diameter);
    report.append(" ");
    report.append(text("Mes14"));
    report.append(" ");

    for (std::size_t k = 1; k <= design.secondaries.size(); ++k) {
        const SecondaryCells& row = design.secondaries[k - 1];
        report.append(text("Mes15") + " " + integerToText(static_cast<std::int32_t>(k)));
        // Secondaries get 5 % more turns. The count is kept whole, never cut to 32 bits.
        const std::int64_t turns =
            Round(product(product(textToNumber(row.voltage), turnsPerVolt), 1.05L));
        store.secondary[k - 1] = static_cast<double>(turns);
        report.append(text("Mes16") + " " + row.voltage);
        report.append(text("Mes17") + " " + row.current);
        WindingFigures& winding = figures.secondaries.emplace_back(
            WindingFigures{numberToText(static_cast<Extended>(turns)), {}});
        report.append(text("Mes12") + " " + winding.turns);
        const double diameter = wireDiameter(product(textToNumber(row.current), 2));
        winding.diameter = numberToText(diameter);
        report.append(text("Mes13") + " " + winding.diameter + " мм.");
        report.append(" ");
    }
    return WindingOutcome::CoreSufficient;
}

} // namespace navivor
