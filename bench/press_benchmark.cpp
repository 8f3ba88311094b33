// SPDX-License-Identifier: GPL-3.0-or-later
// One press of the calculate button with 50 secondaries through the real main window (the
// report shown in the results window), and one fill press, each against the same calculation
// alone; the ratios are printed after the runs, all measured in the same process.
#include "app/navivor_windows.h"
#include "calc/calculation_cycle.h"
#include "i18n/language_file.h"
#include "text/decimal_separator.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace navivor {
namespace {

constexpr int kSecondaries = 50;

WindingDesign fiftySecondaries() {
    WindingDesign design;
    design.primaryVoltage = "230";
    for (int k = 1; k <= kSecondaries; ++k)
        design.secondaries.push_back({std::to_string(k) + ",5", "0,25", "0,35"});
    design.frequency = 50;
    design.coreSection = 100000;
    design.windowArea = 1000000;
    return design;
}

// The design typed into the main window as the user would leave it.
void enter(MainWindow& form, const WindingDesign& design) {
    form.inputs().secondaryCount->setValue(kSecondaries);
    form.inputs().coreSection->setValue(design.coreSection);
    form.inputs().windowArea->setValue(design.windowArea);
    form.inputs().primaryGrid->setCell(0, 0, QString::fromStdString(design.primaryVoltage));
    for (int k = 1; k <= kSecondaries; ++k) {
        const SecondaryCells& row = design.secondaries[k - 1];
        form.inputs().windingsGrid->setCell(1, k, QString::fromStdString(row.voltage));
        form.inputs().windingsGrid->setCell(2, k, QString::fromStdString(row.current));
    }
}

void enterDiameters(MainWindow& form) {
    form.inputs().primaryGrid->setCell(1, 0, "0,8");
    for (int k = 1; k <= kSecondaries; ++k)
        form.inputs().windingsGrid->setCell(3, k, "0,35");
}

void CalculationAlone(benchmark::State& state) {
    const LanguageTexts texts;
    const MessageLookup lookup = [&texts](std::string_view key) { return texts.message(key); };
    for (auto _ : state) {
        CalculationCycle cycle;
        WindingDesign design = fiftySecondaries();
        ReportLines report;
        benchmark::DoNotOptimize(cycle.press(design, "0,5", lookup, report));
    }
}
BENCHMARK(CalculationAlone);

// The program's windows, the main one shown with the design typed in.
std::unique_ptr<NavivorWindows> windowsWithTheDesign() {
    auto windows = std::make_unique<NavivorWindows>();
    windows->mainWindow().show();
    enter(windows->mainWindow(), fiftySecondaries());
    windows->mainWindow().inputs().thickness->setText("0,5");
    return windows;
}

void CalculatePressInWindow(benchmark::State& state) {
    const std::unique_ptr<NavivorWindows> program = windowsWithTheDesign();
    NavivorWindows& windows = *program;
    for (auto _ : state) {
        windows.mainWindow().inputs().reset->click(); // back to calculation mode
        windows.mainWindow().inputs().calculate->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(CalculatePressInWindow);

void FillCheckAlone(benchmark::State& state) {
    const LanguageTexts texts;
    const MessageLookup lookup = [&texts](std::string_view key) { return texts.message(key); };
    for (auto _ : state) {
        state.PauseTiming();
        CalculationCycle cycle;
        WindingDesign design = fiftySecondaries();
        ReportLines report;
        cycle.press(design, "0,5", lookup, report);
        design.primaryDiameter = "0,8";
        for (SecondaryCells& row : design.secondaries)
            row.diameter = "0,35";
        state.ResumeTiming();
        benchmark::DoNotOptimize(cycle.press(design, "0,5", lookup, report));
    }
}
BENCHMARK(FillCheckAlone);

void FillPressInWindow(benchmark::State& state) {
    const std::unique_ptr<NavivorWindows> program = windowsWithTheDesign();
    NavivorWindows& windows = *program;
    for (auto _ : state) {
        state.PauseTiming();
        windows.mainWindow().inputs().reset->click();
        windows.mainWindow().inputs().calculate->click();
        enterDiameters(windows.mainWindow());
        QCoreApplication::processEvents();
        state.ResumeTiming();
        windows.mainWindow().inputs().calculate->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(FillPressInWindow);

// Keeps every run's time per iteration, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void printRatio(const char* label, const char* window, const char* alone) {
        if (nanoseconds_.count(window) && nanoseconds_.count(alone))
            std::printf("%s: %.2f x the calculation alone\n", label,
                        nanoseconds_[window] / nanoseconds_[alone]);
    }

private:
    std::map<std::string, double> nanoseconds_;
};

} // namespace
} // namespace navivor

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    navivor::setDecimalSeparator(",");
    benchmark::Initialize(&argc, argv);
    navivor::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("calculate press in the window", "CalculatePressInWindow",
                        "CalculationAlone");
    reporter.printRatio("fill press in the window", "FillPressInWindow", "FillCheckAlone");
    benchmark::Shutdown();
    return 0;
}
