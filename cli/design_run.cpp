// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/design_run.h"

#include "calc/calculation_cycle.h"
#include "calc/core_choice.h"
#include "calc/core_choice_text.h"
#include "calc/enamelled_wire.h"
#include "calc/lamination_series.h"
#include "calc/performance_text.h"
#include "calc/rectifier.h"
#include "calc/rectifier_source.h"
#include "calc/winding_sheet.h"
#include "calc/winding_sheet_text.h"
#include "cli/json_output.h"
#include "text/cp1251.h"
#include "text/decimal_separator.h"
#include "text/failure.h"
#include "text/installed_data.h"
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
        dcSecondaries.push_back(
            DcSecondary{input, secondaryForRectifier(input, text), std::nullopt, {}, false});
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

// The standard diameter each calculated one rounds up to, the primary's first; none for a
// winding whose diameter is chosen, or whose calculated one is beyond the largest standard one.
std::vector<std::optional<double>> standardDiametersOf(const std::vector<std::string>& chosen,
                                                       const ReportFigures& figures) {
    std::vector<std::string> calculated{figures.primary.diameter};
    for (const WindingFigures& winding : figures.secondaries)
        calculated.push_back(winding.diameter);
    std::vector<std::optional<double>> standards;
    for (std::size_t k = 0; k < calculated.size(); ++k)
        standards.push_back(k < chosen.size() && !chosen[k].empty()
                                ? std::nullopt
                                : nextStandardDiameter(numberOf(calculated[k])));
    return standards;
}

// The diameters the fill check takes: the chosen ones, and for a standard wire its grade 2
// overall diameter, as wiretype.htm tells the user to type it.
std::vector<std::string> fillDiameters(const std::vector<std::string>& chosen,
                                       const std::vector<std::optional<double>>& standards) {
    std::vector<std::string> diameters = chosen;
    diameters.resize(std::max(chosen.size(), standards.size()));
    for (std::size_t k = 0; k < standards.size(); ++k)
        if (standards[k])
            diameters[k] = fixedText(grade2OverallDiameter(*standards[k]), 3);
    return diameters;
}

// The sheet of the design and figures as the first press left them. A core figure or an
// allowance not given comes from the standard core or the defaults; a chosen diameter takes
// the place of the calculated one. The sheet shown is the one with the copper at the
// temperature it settles at.
SheetResult windingSheetOf(const CommandLine& line, const WindingDesign& design,
                           const TurnStore& turns, const ReportFigures& figures,
                           std::string_view thickness, const MessageLookup& text) {
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
        numberOr(options.layerTape, defaults.layerInsulation),
        {numberOr(options.bulge, defaults.fit.bulgeFactor),
         numberOr(options.interWinding, defaults.fit.interWinding),
         numberOr(options.outerWrap, defaults.fit.outerWrap)}};
    const PerformanceInputs performanceDefaults;
    PerformanceInputs inputs;
    inputs.grade = options.steel ? steelGradeNamed(*options.steel) : nullptr;
    inputs.ambient = numberOr(options.ambient, performanceDefaults.ambient);
    inputs.insulationClass = numberOr(options.insulationClass, performanceDefaults.insulationClass);
    if (options.workingTemperature)
        inputs.heldTemperature = allowances.workingTemperature;
    CalculatedTransformer transformer = calculatedTransformer(design, turns, figures);
    transformer.laminationThickness = typedThickness(thickness);
    applyChosenDiameters(transformer, line.diameters);
    if (line.standardWire)
        roundUpToStandardWires(transformer);
    const SheetPerformance performance =
        sheetPerformance(transformer, core, allowances, inputs, text);
    WindingAllowances settled = allowances;
    settled.workingTemperature = performance.windingTemperature;
    return {core, settled, performance.settled, inputs, performance};
}

// Each --dc winding run in time: the winding from the sheet when there is one, else from the
// design on the standard core, else estimated.
void smoothDcSecondaries(const CommandLine& line, const std::optional<SheetResult>& sheet,
                         const WindingDesign& design, const TurnStore& turns,
                         const ReportFigures& figures, bool coreSufficient,
                         std::vector<std::optional<DcSecondary>>& dcSecondaries,
                         const MessageLookup& messages, const MessageLookup& sheetText,
                         const MessageLookup& rectifierText) {
    if (std::ranges::none_of(dcSecondaries, [](const auto& dc) { return dc.has_value(); }))
        return;
    std::optional<WindingSheet> windingSheet;
    if (sheet)
        windingSheet = sheet->sheet;
    else if (coreSufficient) {
        try {
            windingSheet = computeWindingSheet(calculatedTransformer(design, turns, figures),
                                               standardCoreGeometry(design.coreSection),
                                               WindingAllowances(), sheetText);
        } catch (const Failure&) {
            // No sheet for this design: the windings are estimated instead.
        }
    }
    const std::optional<double> capacitance =
        line.capacitance ? std::optional(numberOf(*line.capacitance)) : std::nullopt;
    for (std::size_t k = 0; k < dcSecondaries.size(); ++k) {
        auto& dc = dcSecondaries[k];
        if (!dc)
            continue;
        dc->sourceEstimated = !windingSheet;
        dc->source = windingSheet ? sheetSource(*windingSheet, k, design.frequency)
                                  : estimatedSource(dc->winding, messages, sheetText);
        const double ripple = numberOr(line.ripple, dc->input.dcVoltage / 10);
        dc->smoothed = smoothedRectifier(dc->input, dc->source, capacitance, ripple, rectifierText);
    }
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
    std::vector<std::optional<double>> standardDiameters;
    std::optional<std::vector<CoreChoice>> choices;
    try {
        // The rectifier fills its rows before the press, as the dialog does.
        dcSecondaries = dcSecondariesOf(line, rectifierText);
        design = designOf(line, dcSecondaries);
        result = cycle.press(design, thickness, lookup, report);
        if (result == PressResult::ThicknessMissing)
            return {kCalculationFailed, "", lookup("Mes1")};
        const WindingDesign calculated = design;
        const ReportFigures calculatedFigures = report.figures;
        if (result == PressResult::CoreSufficient && line.standardWire)
            standardDiameters = standardDiametersOf(line.diameters, calculatedFigures);
        const std::vector<std::string> diameters = fillDiameters(line.diameters, standardDiameters);
        if (result == PressResult::CoreSufficient && !diameters.empty()) {
            enterDiameters(diameters, design);
            cycle.press(design, thickness, lookup, report);
        }
        if (line.windingSheet) {
            if (result != PressResult::CoreSufficient)
                throw Failure("The winding sheet needs a core large enough for the windings");
            sheet = windingSheetOf(line, calculated, cycle.turnStore(), calculatedFigures,
                                   thickness, sheetText);
        }
        if (line.pickCore) {
            // A stack is a count of laminations, so it grows one lamination at a time.
            choices = coreChoices(calculated,
                                  readLaminationSeries(laminationSeriesFile(
                                      installedDataFolder(NAVIVOR_DATA_FROM_BIN))),
                                  numberOf(thickness), WindingAllowances(), lookup, sheetText);
            if (choices->empty())
                throw Failure(sheetText("NoCore"));
        }
        smoothDcSecondaries(line, sheet, calculated, cycle.turnStore(), calculatedFigures,
                            result == PressResult::CoreSufficient, dcSecondaries, lookup, sheetText,
                            rectifierText);
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
                           result == PressResult::CoreSufficient, report.figures, sheet,
                           standardDiameters, choices) +
                    "\n",
                ""};
    std::vector<std::string> lines = report.lines;
    const auto append = [&lines](std::vector<std::string> more) {
        lines.insert(lines.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    };
    if (sheet) {
        append(windingSheetLines(sheet->core, sheet->allowances, sheet->sheet, sheetText));
        append(performanceLines(sheet->performanceInputs, sheet->performance, sheetText));
    }
    if (choices)
        append(coreChoiceLines(*choices, sheetText));
    for (std::size_t k = 0; k < dcSecondaries.size(); ++k) {
        const auto& dc = dcSecondaries[k];
        if (!dc || !dc->smoothed)
            continue;
        lines.push_back(" ");
        lines.push_back(rectifierText("RectifierForm") + " " + std::to_string(k + 1));
        if (dc->sourceEstimated)
            lines.push_back(rectifierText("SourceEstimated") + " " +
                            fixedText(dc->source.resistance, 3));
        append(smoothedRectifierLines(dc->input, dc->source, *dc->smoothed, rectifierText));
    }
    return {kReportPrinted, reportBytes(lines, line.cp1251Output), ""};
}

} // namespace navivor::cli
