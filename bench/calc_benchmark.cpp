// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one press of the calculate button with 50 secondaries, of the two number
// conversions every report line goes through, and of the winding sheet of 50 secondaries.
#include "calc/winding_calculation.h"
#include "calc/winding_sheet_text.h"
#include "calc/window_fill_check.h"
#include "i18n/language_file.h"
#include "text/decimal_separator.h"
#include "text/number_text.h"

#include <benchmark/benchmark.h>

namespace navivor {
namespace {

WindingDesign fiftySecondaries() {
    WindingDesign design;
    design.primaryVoltage = "230";
    for (int k = 1; k <= 50; ++k)
        design.secondaries.push_back({std::to_string(k) + ",5", "0,25", "0,35"});
    design.primaryDiameter = "0,8";
    design.frequency = 50;
    design.coreSection = 100000;
    design.windowArea = 1000000;
    return design;
}

void WindingCalculation50(benchmark::State& state) {
    setDecimalSeparator(",");
    const LanguageTexts texts;
    const MessageLookup lookup = [&texts](std::string_view key) { return texts.message(key); };
    TurnStore store;
    for (auto _ : state) {
        WindingDesign design = fiftySecondaries();
        ReportLines report;
        benchmark::DoNotOptimize(runWindingCalculation(design, store, lookup, report));
    }
}
BENCHMARK(WindingCalculation50);

void WindowFillCheck50(benchmark::State& state) {
    setDecimalSeparator(",");
    TurnStore store;
    store.primary = 800;
    store.secondary.fill(40);
    for (auto _ : state) {
        WindingDesign design = fiftySecondaries();
        ReportLines report;
        runWindowFillCheck(design, store, report);
        benchmark::DoNotOptimize(report.lines.data());
    }
}
BENCHMARK(WindowFillCheck50);

// The sheet with the built-in texts, as its window shows it.
void WindingSheet50(benchmark::State& state) {
    setDecimalSeparator(",");
    const LanguageTexts texts;
    const MessageLookup lookup = [&texts](std::string_view key) {
        return texts.text("WindingSheetForm", key);
    };
    WindingDesign design = fiftySecondaries();
    TurnStore store;
    ReportLines report;
    runWindingCalculation(
        design, store, [&texts](std::string_view key) { return texts.message(key); }, report);
    const CalculatedTransformer transformer = calculatedTransformer(design, store, report.figures);
    const CoreGeometry core = standardCoreGeometry(design.coreSection);
    for (auto _ : state) {
        const WindingSheet sheet = computeWindingSheet(transformer, core, {}, lookup);
        benchmark::DoNotOptimize(windingSheetLines(core, {}, sheet, lookup).data());
    }
}
BENCHMARK(WindingSheet50);

void TextToNumber(benchmark::State& state) {
    setDecimalSeparator(",");
    for (auto _ : state)
        benchmark::DoNotOptimize(textToNumber("12,625"));
}
BENCHMARK(TextToNumber);

void NumberToText(benchmark::State& state) {
    setDecimalSeparator(",");
    const Extended value = 1.129L;
    for (auto _ : state)
        benchmark::DoNotOptimize(numberToText(value));
}
BENCHMARK(NumberToText);

} // namespace
} // namespace navivor

BENCHMARK_MAIN();
