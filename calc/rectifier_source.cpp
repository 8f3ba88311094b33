// SPDX-License-Identifier: GPL-3.0-or-later
#include "rectifier_source.h"

#include "calculation_cycle.h"
#include "text/number_text.h"

namespace navivor {

RectifierSource sheetSource(const WindingSheet& sheet, std::size_t secondary, double frequency) {
    const SheetRow& row = sheet.secondaries.at(secondary);
    const double ratio = static_cast<double>(row.turns) / static_cast<double>(sheet.primary.turns);
    return {row.noLoadVoltage, row.resistanceHot + sheet.primary.resistanceHot * ratio * ratio,
            frequency};
}

RectifierSource estimatedSource(const SecondaryForRectifier& winding, const MessageLookup& messages,
                                const MessageLookup& sheetText) {
    WindingDesign design;
    design.primaryVoltage = "220";
    design.secondaries.push_back(
        {trimmedFixedText(winding.acVoltage, 2), trimmedFixedText(winding.acCurrent, 2), ""});
    CalculationCycle cycle;
    ReportLines report;
    const std::string thickness = numberToText(0.35L);
    // The first press finds the least section, the second designs on it.
    if (cycle.press(design, thickness, messages, report) == PressResult::CoreInsufficient) {
        design.coreSection =
            static_cast<std::int32_t>(toDouble(textToNumber(report.figures.smallestSection)));
        cycle.press(design, thickness, messages, report);
    }
    const CalculatedTransformer transformer =
        calculatedTransformer(design, cycle.turnStore(), report.figures);
    const WindingSheet sheet = computeWindingSheet(
        transformer, standardCoreGeometry(design.coreSection), WindingAllowances(), sheetText);
    return sheetSource(sheet, 0, design.frequency);
}

} // namespace navivor
