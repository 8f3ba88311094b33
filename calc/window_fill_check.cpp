// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fill_check.h"

#include "text/number_text.h"

namespace navivor {
namespace {

// The value of a diameter cell; an empty one shows "0" from then on.
Extended diameterValue(std::string& cell) {
    // Appended rather than assigned: GCC 12 sees a restrict overlap in assigning a literal
    // to a string that it cannot rule out.
    if (cell.empty())
        cell.push_back('0');
    return textToNumber(cell);
}

// Q + d x d x turns in extended, kept as a double.
double addWinding(double copperSum, Extended diameter, double turns) {
    return toDouble(sum(product(product(diameter, diameter), turns), copperSum));
}

} // namespace

void runWindowFillCheck(WindingDesign& design, const TurnStore& store, ReportLines& report) {
    requireAtMostMaxSecondaries(design.secondaries.size());
    if (design.primaryDiameter.empty())
        design.primaryDiameter = "0";
    report.append("ЗАПОЛНЕНИЕ ОКНА СЕРДЕЧНИКА");
    report.append("Площадь окна сердечника :" + integerToText(design.windowArea) + " мм. кв.");
    report.append("Принятый диаметр провода первичной обмотки : " + design.primaryDiameter +
                  " мм.");

    const Extended primaryDiameter = textToNumber(design.primaryDiameter);
    double copperSum = toDouble(product(product(primaryDiameter, primaryDiameter), store.primary));
    for (std::size_t k = 1; k <= design.secondaries.size(); ++k) {
        std::string& cell = design.secondaries[k - 1].diameter;
        copperSum = addWinding(copperSum, diameterValue(cell), store.secondary[k - 1]);
        report.append("Принятый диаметр провода вторичной обмотки " +
                      integerToText(static_cast<std::int32_t>(k)) + " : " + cell + " мм.");
    }

    if (design.windowArea >= copperSum) {
        const Extended windowHundredths = quotient(design.windowArea, 100);
        const std::int64_t occupied = Round(sum(product(1.3L, copperSum), 10));
        const Extended fill = quotient(
            static_cast<Extended>(Round(product(quotient(occupied, windowHundredths), 100))), 100);
        report.figures.fillPercent = numberToText(fill);
        report.append("Заполнение окна : " + report.figures.fillPercent + " %");
    } else {
        const Extended required =
            product(static_cast<Extended>(Round(product(1.3L, copperSum))), 1.2L);
        report.figures.windowAreaNeeded = numberToText(required);
        report.append("Требуемая площадь окна : " + report.figures.windowAreaNeeded + " мм.кв.");
    }
}

} // namespace navivor
