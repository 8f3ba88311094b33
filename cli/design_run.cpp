// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/design_run.h"

#include "calc/calculation_cycle.h"
#include "calc/rectifier.h"
#include "calc/winding_sheet.h"
#include "calc/winding_sheet_text.h"
#include "cli/json_output.h"
#include "text/cp1251.h"
#include "text/decimal_separator.h"
#include "text/failure.h"
#include "text/number_text.h"
#include "text/visible_text.h"

#include <algorithm>

namespace navivor::cli {
namespace {

// A spin field's value after it was left: its text as an integer, the minimum when the text
// is no integer, clamped to the range.
std::int32_t spinFieldValue(const std::string& text, std::int32_t minimum, std::int32_t maximum) {
    return std::clamp(parseInteger(text).value_or(minimum), minimum, maximum);
}

double numberOf(const std::string& text) {
    return toDouble(textToNumber(text));
}

double numberOr(const std::optional<std::string>& text, double otherwise) {
    return text ? numberOf(*text) : otherwise;
}

// Each --dc option worked out as the rectifier dialog works it out; empty for the --secondary
// windings.
std::vector<std::optional<DcSecondary>> dcSecondariesOf(const CommandLine& line,
                                                        const MessageLookup& text) {
    const RectifierInput defaults;
    const double diodeDrop = numberOr(line.diodeDrop, defaults.diodeDrop);
    const double headroom = numberOr(line.headroom, defaults.headroom);
    std::vector<std::optional<DcSecondary>> dcSecondaries;
    for (const SecondaryOption& winding : line.secondaries) {
        if (!winding.rectifier) {
            dcSecondaries.emplace_back();
            continue;
        }
        const RectifierInput input{numberOf(winding.voltage), numberOf(winding.current),
                                   *winding.rectifier, diodeDrop, headroom};
        dcSecondaries.push_back(DcSecondary{input, secondaryForRectifier(input, text)});
    }
    return dcSecondaries;
}

// A --dc winding's row holds what the rectifier dialog puts into the grid.
WindingDesign designOf(const CommandLine& line,
                       const std::vector<std::optional<DcSecondary>>& dcSecondaries) {
    WindingDesign design;
    design.primaryVoltage = line.primary;
    for (std::size_t k = 0; k < line.secondaries.size(); ++k) {
        const SecondaryOption& winding = line.secondaries[k];
        if (const auto& dc = dcSecondaries[k])
            design.secondaries.push_back({trimmedFixedText(dc->winding.acVoltage, 2),
                                          trimmedFixedText(dc->winding.acCurrent, 2), ""});
        else
            design.secondaries.push_back({winding.voltage, winding.current, ""});
    }
    if (design.secondaries.empty())
        design.secondaries.push_back({"12", "2", ""});
    design.frequency = spinFieldValue(line.frequency, 1, 1000);
    design.coreSection = spinFieldValue(line.core, 1, 1000000);
    design.windowArea = spinFieldValue(line.window, 1, 10000000);
    return design;
}

// The chosen diameters go where the user would type them after the first press.
void enterDiameters(const std::vector<std::string>& diameters, WindingDesign& design) {
    design.primaryDiameter = diameters.empty() ? "" : diameters[0];
    for (std::size_t k = 0; k < design.secondaries.size(); ++k)
        design.secondaries[k].diameter = k + 1 < diameters.size() ? diameters[k + 1] : "";
}

// The sheet of the design and figures as the first press left them. A core figure or an
// allowance not given comes from the standard core or the defaults; a chosen diameter takes
// the place of the calculated one.
SheetResult windingSheetOf(const CommandLine& line, const WindingDesign& design,
                           const TurnStore& turns, const ReportFigures& figures,
                           const MessageLookup& text) {
    const SheetOptions& options = line.sheet;
    const CoreGeometry standard = standardCoreGeometry(design.coreSection);
    const CoreGeometry core{numberOr(options.tongueWidth, standard.tongueWidth),
                            numberOr(options.stackHeight, standard.stackHeight),
                            numberOr(options.windowWidth, standard.windowWidth),
                            numberOr(options.windowHeight, standard.windowHeight)};
    const WindingAllowances defaults;
    const WindingAllowances allowances{
        numberOr(options.sparePercent, defaults.sparePercent),
        numberOr(options.workingTemperature, defaults.workingTemperature),
        numberOr(options.bobbinWall, defaults.bobbinWall),
        numberOr(options.layerTape, defaults.layerInsulation)};
    CalculatedTransformer transformer = calculatedTransformer(design, turns, figures);
    applyChosenDiameters(transformer, line.diameters);
    return {core, allowances, computeWindingSheet(transformer, core, allowances, text)};
}

// The report's lines, each with its control characters shown, in the encoding asked for.
std::string reportBytes(const std::vector<std::string>& lines, bool cp1251) {
    std::string bytes;
    for (const std::string& line : lines) {
        const std::string shown = visibleText(line);
        bytes += cp1251 ? encodeCp1251(shown) : shown;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

DesignOutcome runDesign(const CommandLine& line, const LanguageTexts& texts) {
    if (line.separator)
        setDecimalSeparator(*line.separator);
    const MessageLookup lookup = [&texts](std::string_view key) {
        return texts.text("Messages", key);
    };
    const MessageLookup rectifierText = [&texts](std::string_view key) {
        return texts.text("RectifierForm", key);
    };
    const MessageLookup sheetText = [&texts](std::string_view key) {
        return texts.text("WindingSheetForm", key);
    };
    const std::string thickness = line.thickness.value_or(numberToText(0.1L));

    const bool json = line.format == OutputFormat::Json;

    std::vector<std::optional<DcSecondary>> dcSecondaries;
    WindingDesign design;
    CalculationCycle cycle;
    // Both presses write into one report, as into the results window: the first clears it.
    ReportLines report;
    PressResult result = PressResult::ThicknessMissing;
    std::optional<SheetResult> sheet;
    try {
        // The rectifier fills its rows before the press, as the dialog does.
        dcSecondaries = dcSecondariesOf(line, rectifierText);
        design = designOf(line, dcSecondaries);
        result = cycle.press(design, thickness, lookup, report);
        if (result == PressResult::ThicknessMissing)
            return {kCalculationFailed, "", texts.text("Messages", "Mes1")};
        const WindingDesign calculated = design;
        const ReportFigures calculatedFigures = report.figures;
        if (result == PressResult::CoreSufficient && !line.diameters.empty()) {
            enterDiameters(line.diameters, design);
            cycle.press(design, thickness, lookup, report);
        }
        if (line.windingSheet) {
            if (result != PressResult::CoreSufficient)
                throw Failure("The winding sheet needs a core large enough for the windings");
            sheet =
                windingSheetOf(line, calculated, cycle.turnStore(), calculatedFigures, sheetText);
        }
    } catch (const FigureOutOfRange& refusal) {
        // A figure the sheet cannot take is refused as an option would be: no report at all.
        return {kUsageError, "", withClosingFullStop(refusal.what())};
    } catch (const Failure& failure) {
        // A script reading JSON gets all of an object or nothing, never the first half.
        return {kCalculationFailed, json ? "" : reportBytes(report.lines, line.cp1251Output),
                withClosingFullStop(failure.what())};
    }
    if (json)
        return {kReportPrinted,
                designJson(design, thickness, line.diameters, dcSecondaries,
                           result == PressResult::CoreSufficient, report.figures, sheet) +
                    "\n",
                ""};
    std::string out = reportBytes(report.lines, line.cp1251Output);
    if (sheet)
        out +=
            reportBytes(windingSheetLines(sheet->core, sheet->allowances, sheet->sheet, sheetText),
                        line.cp1251Output);
    return {kReportPrinted, out, ""};
}

} // namespace navivor::cli
