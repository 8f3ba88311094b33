// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_output.h"

#include "text/decimal_separator.h"
#include "text/number_text.h"
#include "text/visible_text.h"

#include <charconv>
#include <cmath>

namespace navivor::cli {
namespace {

// The command line hands over bytes; a byte that is no part of well-formed UTF-8 becomes
// U+FFFD, since a JSON text must be UTF-8 throughout.
std::string jsonString(std::string_view text) {
    constexpr char hexDigits[] = "0123456789abcdef";
    std::string json = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        const std::size_t length = utf8SequenceLength(text, pos);
        if (c == '"' || c == '\\')
            json += {'\\', c};
        else if (byte < 0x20)
            json += {'\\', 'u', '0', '0', hexDigits[byte >> 4], hexDigits[byte & 0xF]};
        else if (length == 0)
            json += "\xEF\xBF\xBD"; // U+FFFD in UTF-8
        else
            json.append(text.substr(pos, length));
        pos += length == 0 ? 1 : length;
    }
    return json + '"';
}

// A number text as the report writes it, with JSON's decimal point. The figures are always
// finite, since the arithmetic raises a failure instead of giving NaN or infinity, and their
// exponent form ("1E15", "1,5E-5") is a JSON number once the separator is a full stop.
std::string jsonNumber(const std::string& text) {
    const std::string& separator = decimalSeparator();
    const auto at = text.find(separator);
    if (at == std::string::npos)
        return text;
    return text.substr(0, at) + '.' + text.substr(at + separator.size());
}

// A figure the report does not show: the shortest text that reads back as the same double.
std::string jsonNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return {digits, written.ptr};
}

// null for a figure nothing in range gives.
std::string jsonNumber(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : "null";
}

std::string jsonNumber(std::int64_t value) {
    return std::to_string(value);
}

class JsonObject {
public:
    JsonObject& add(std::string_view key, const std::string& value) {
        text_ += text_.empty() ? "{" : ",";
        text_ += jsonString(key) + ":" + value;
        return *this;
    }
    std::string text() const { return text_.empty() ? "{}" : text_ + "}"; }

private:
    std::string text_;
};

std::string jsonArray(const std::vector<std::string>& values) {
    std::string json = "[";
    for (const std::string& value : values)
        json += (json.size() > 1 ? "," : "") + value;
    return json + "]";
}

std::string mainsJson(std::string_view otherKey, double nominal, double other) {
    return JsonObject().add("nominal", jsonNumber(nominal)).add(otherKey, jsonNumber(other)).text();
}

void addSmoothed(JsonObject& json, const DcSecondary& dc) {
    const SmoothedRectifier& run = *dc.smoothed;
    const auto atMains = [&run](double RectifierRun::*figure) {
        return mainsJson("minus10", run.nominal.*figure, run.lowMains.*figure);
    };
    json.add("capacitanceUF", jsonNumber(run.capacitanceUF))
        .add("averageV", atMains(&RectifierRun::averageV))
        .add("troughV", atMains(&RectifierRun::troughV))
        .add("rippleV", atMains(&RectifierRun::rippleV))
        .add("windingRmsA", atMains(&RectifierRun::windingRmsA))
        .add("diodePeakA", atMains(&RectifierRun::diodePeakA))
        .add("troughHoldsDc", run.troughHoldsDc ? "true" : "false")
        .add("nominalTroughHoldsDc", run.nominalTroughHoldsDc ? "true" : "false")
        .add("holdingCapacitanceUF", jsonNumber(run.holdingCapacitanceUF))
        .add("holdingWindingV", jsonNumber(run.holdingOpenCircuitV))
        .add("sourceVoltage", jsonNumber(dc.source.openCircuitVoltage))
        .add("sourceResistance", jsonNumber(dc.source.resistance))
        .add("sourceEstimated", dc.sourceEstimated ? "true" : "false");
}

std::string dcJson(const DcSecondary& dc) {
    JsonObject json;
    json.add("voltage", jsonNumber(dc.input.dcVoltage))
        .add("current", jsonNumber(dc.input.dcCurrent))
        .add("kind", jsonString(rectifierKindName(dc.input.kind)))
        .add("diodeDrop", jsonNumber(dc.input.diodeDrop))
        .add("headroom", jsonNumber(dc.input.headroom))
        .add("acVoltage", jsonNumber(dc.winding.acVoltage))
        .add("acCurrent", jsonNumber(dc.winding.acCurrent))
        .add("voltAmperes", jsonNumber(dc.winding.voltAmperes));
    if (dc.smoothed)
        addSmoothed(json, dc);
    return json.text();
}

std::string inputsJson(const WindingDesign& design, std::string_view thickness,
                       const std::vector<std::string>& diameters,
                       const std::vector<std::optional<DcSecondary>>& dcSecondaries) {
    std::vector<std::string> secondaries;
    for (std::size_t k = 0; k < design.secondaries.size(); ++k) {
        const SecondaryCells& row = design.secondaries[k];
        JsonObject secondary;
        secondary.add("voltage", jsonString(row.voltage)).add("current", jsonString(row.current));
        if (k < dcSecondaries.size() && dcSecondaries[k])
            secondary.add("dc", dcJson(*dcSecondaries[k]));
        secondaries.push_back(secondary.text());
    }
    JsonObject inputs;
    inputs.add("primary", jsonString(design.primaryVoltage))
        .add("frequency", integerToText(design.frequency))
        .add("core", integerToText(design.coreSection))
        .add("window", integerToText(design.windowArea))
        .add("thickness", jsonString(thickness))
        .add("secondaries", jsonArray(secondaries));
    if (!diameters.empty()) {
        std::vector<std::string> texts;
        for (const std::string& diameter : diameters)
            texts.push_back(jsonString(diameter));
        inputs.add("diameters", jsonArray(texts));
    }
    return inputs.text();
}

std::string sheetRowJson(const SheetRow& row, bool secondary) {
    JsonObject json;
    json.add("turns", jsonNumber(row.turns))
        .add("current", jsonNumber(row.current))
        .add("diameter", jsonNumber(row.diameter))
        .add("overallDiameter", jsonNumber(row.overallDiameter))
        .add("turnsPerLayer", jsonNumber(row.turnsPerLayer))
        .add("layers", jsonNumber(row.layers))
        .add("buildUp", jsonNumber(row.buildUp))
        .add("meanTurn", jsonNumber(row.meanTurn))
        .add("length", jsonNumber(row.length))
        .add("lengthToBuy", jsonNumber(row.lengthToBuy))
        .add("mass", jsonNumber(row.mass))
        .add("resistance20", jsonNumber(row.resistance20))
        .add("resistanceHot", jsonNumber(row.resistanceHot))
        .add("drop", jsonNumber(row.drop))
        .add("loss", jsonNumber(row.loss));
    if (secondary)
        json.add("noLoadVoltage", jsonNumber(row.noLoadVoltage))
            .add("loadedVoltage", jsonNumber(row.loadedVoltage))
            .add("turnsForNominal", jsonNumber(row.turnsForNominal));
    return json.text();
}

std::string performanceJson(const SheetResult& result) {
    const PerformanceInputs& inputs = result.performanceInputs;
    const SheetPerformance& performance = result.performance;
    const CoreFigures& core = performance.core;
    std::vector<std::string> regulation;
    for (const double percent : performance.regulationPercent)
        regulation.push_back(jsonNumber(percent));
    return JsonObject()
        .add("steel", jsonString(performance.grade->name))
        .add("ambient", jsonNumber(inputs.ambient))
        .add("insulationClass", jsonNumber(inputs.insulationClass))
        .add("bulgeFactor", jsonNumber(result.allowances.fit.bulgeFactor))
        .add("interWinding", jsonNumber(result.allowances.fit.interWinding))
        .add("outerWrap", jsonNumber(result.allowances.fit.outerWrap))
        .add("coreMassKg", jsonNumber(core.massKg))
        .add("steelFluxDensity", jsonNumber(core.steelFluxDensity))
        .add("coreLossW", mainsJson("plus10", core.lossW.nominal, core.lossW.plus10))
        .add("magnetisingCurrentA",
             mainsJson("plus10", core.magnetisingCurrentA.nominal, core.magnetisingCurrentA.plus10))
        .add("magnetisingPercent",
             mainsJson("plus10", core.magnetisingPercent.nominal, core.magnetisingPercent.plus10))
        .add("surfaceCm2", jsonNumber(performance.surfaceCm2))
        .add("temperatureRiseK", jsonNumber(performance.temperatureRise))
        .add("windingTemperature", jsonNumber(performance.windingTemperature))
        .add("copperLossW", jsonNumber(performance.copperLoss))
        .add("efficiency", jsonNumber(performance.efficiencyPercent))
        .add("regulationPercent", jsonArray(regulation))
        .add("aboveInsulationClass", performance.aboveInsulationClass ? "true" : "false")
        .text();
}

std::string sheetJson(const SheetResult& result) {
    const CoreGeometry& core = result.core;
    const WindingAllowances& allowances = result.allowances;
    const WindingSheet& sheet = result.sheet;
    std::vector<std::string> secondaries;
    for (const SheetRow& row : sheet.secondaries)
        secondaries.push_back(sheetRowJson(row, true));
    return JsonObject()
        .add("core", JsonObject()
                         .add("tongueWidth", jsonNumber(core.tongueWidth))
                         .add("stackHeight", jsonNumber(core.stackHeight))
                         .add("windowWidth", jsonNumber(core.windowWidth))
                         .add("windowHeight", jsonNumber(core.windowHeight))
                         .text())
        .add("allowances", JsonObject()
                               .add("sparePercent", jsonNumber(allowances.sparePercent))
                               .add("workingTemperature", jsonNumber(allowances.workingTemperature))
                               .add("bobbinWall", jsonNumber(allowances.bobbinWall))
                               .add("layerInsulation", jsonNumber(allowances.layerInsulation))
                               .text())
        .add("primary", sheetRowJson(sheet.primary, false))
        .add("secondaries", jsonArray(secondaries))
        .add("totalMass", jsonNumber(sheet.totalMass))
        .add("totalLoss", jsonNumber(sheet.totalLoss))
        .add("totalBuildUp", jsonNumber(sheet.totalBuildUp))
        .add("fits", sheet.fits ? "true" : "false")
        .add("fluxDensity", jsonNumber(sheet.fluxDensity))
        .add("fluxDensityHighMains", jsonNumber(sheet.fluxDensityHighMains))
        .add("fit", jsonString(fitName(sheet.fit.fit)))
        .add("fillPercent", jsonNumber(sheet.fit.fillPercent))
        .add("performance", performanceJson(result))
        .text();
}

// A winding's object with its standard diameter, when it was rounded up to one.
std::string withStandardDiameter(JsonObject winding, std::size_t k,
                                 const std::vector<std::optional<double>>& standardDiameters) {
    if (k < standardDiameters.size() && standardDiameters[k])
        winding.add("standardDiameterMm", jsonNumber(*standardDiameters[k]));
    return winding.text();
}

std::string coreChoicesJson(const std::vector<CoreChoice>& choices) {
    std::vector<std::string> cores;
    for (const CoreChoice& choice : choices)
        cores.push_back(JsonObject()
                            .add("name", jsonString(choice.lamination.name))
                            .add("tongueMm", jsonNumber(choice.lamination.tongue))
                            .add("stackMm", jsonNumber(choice.stack))
                            .add("sectionMm2", jsonNumber(choice.section))
                            .add("windowMm2", jsonNumber(choice.windowArea))
                            .add("fillPercent", jsonNumber(choice.fillPercent))
                            .add("wireMassG", jsonNumber(choice.wireMass))
                            .text());
    return jsonArray(cores);
}

} // namespace

std::string designJson(const WindingDesign& design, std::string_view thickness,
                       const std::vector<std::string>& diameters,
                       const std::vector<std::optional<DcSecondary>>& dcSecondaries,
                       bool coreSufficient, const ReportFigures& figures,
                       const std::optional<SheetResult>& sheet,
                       const std::vector<std::optional<double>>& standardDiameters,
                       const std::optional<std::vector<CoreChoice>>& choices) {
    JsonObject json;
    json.add("inputs", inputsJson(design, thickness, diameters, dcSecondaries))
        .add("loadPower", jsonNumber(figures.loadPower))
        .add("induction", jsonNumber(figures.induction));
    if (!coreSufficient) {
        json.add("coreSufficient", "false")
            .add("smallestSection", jsonNumber(figures.smallestSection));
        if (choices)
            json.add("coreChoices", coreChoicesJson(*choices));
        return json.text();
    }
    json.add("turnsPerVolt", jsonNumber(figures.turnsPerVolt))
        .add("coreSufficient", "true")
        .add("primary",
             withStandardDiameter(JsonObject()
                                      .add("turns", jsonNumber(figures.primary.turns))
                                      .add("diameter", jsonNumber(figures.primary.diameter)),
                                  0, standardDiameters));
    std::vector<std::string> secondaries;
    for (std::size_t k = 1; k <= figures.secondaries.size(); ++k) {
        const SecondaryCells& row = design.secondaries[k - 1];
        const WindingFigures& winding = figures.secondaries[k - 1];
        // The report shows voltage and current as their cells hold them, which need not be
        // number texts at all (" 1e3", "+5"); so they stay strings here too.
        secondaries.push_back(
            withStandardDiameter(JsonObject()
                                     .add("number", integerToText(static_cast<std::int32_t>(k)))
                                     .add("voltage", jsonString(row.voltage))
                                     .add("current", jsonString(row.current))
                                     .add("turns", jsonNumber(winding.turns))
                                     .add("diameter", jsonNumber(winding.diameter)),
                                 k, standardDiameters));
    }
    json.add("secondaries", jsonArray(secondaries));
    if (!figures.fillPercent.empty())
        json.add("fill", JsonObject().add("percent", jsonNumber(figures.fillPercent)).text());
    else if (!figures.windowAreaNeeded.empty())
        json.add("fill",
                 JsonObject().add("windowAreaNeeded", jsonNumber(figures.windowAreaNeeded)).text());
    if (sheet)
        json.add("windingSheet", sheetJson(*sheet));
    if (choices)
        json.add("coreChoices", coreChoicesJson(*choices));
    return json.text();
}

std::string errorJson(std::string_view message, std::size_t lineNumber) {
    return JsonObject()
        .add("error", jsonString(message))
        .add("line", std::to_string(lineNumber))
        .text();
}

} // namespace navivor::cli
