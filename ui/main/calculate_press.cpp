// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/calculate_press.h"

#include "calc/core_steel.h"

#include "ui/main/windings_grid_sizing.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace navivor {
namespace {

constexpr int kDiameterColumn = WindingsGridSizing::kDiameterColumn;

std::string cellText(const StringGrid* grid, int column, int row) {
    return grid->cell(column, row).toStdString();
}

// Writes a cell only when the press changed it, so the editor on it keeps its cursor.
void updateCell(StringGrid* grid, int column, int row, const std::string& text) {
    const QString changed = QString::fromStdString(text);
    if (grid->cell(column, row) != changed)
        grid->setCell(column, row, changed);
}

} // namespace

CalculatePress::CalculatePress(Fields fields, WindingsGridSizing& gridSizing, Desktop& desktop,
                               CurrentLanguage currentLanguage)
    : fields_(fields)
    , gridSizing_(gridSizing)
    , desktop_(desktop)
    , currentLanguage_(std::move(currentLanguage)) {}

void CalculatePress::showReportsIn(ResultsSource results) {
    results_ = std::move(results);
}

WindingDesign CalculatePress::readDesign() const {
    WindingDesign design;
    design.primaryVoltage = cellText(fields_.primaryGrid, 0, 0);
    design.primaryDiameter = cellText(fields_.primaryGrid, 1, 0);
    const bool hasDiameters = gridSizing_.hasDiameterColumn();
    for (int row = 1; row < fields_.windingsGrid->rowCount(); ++row)
        design.secondaries.push_back(
            {cellText(fields_.windingsGrid, 1, row), cellText(fields_.windingsGrid, 2, row),
             hasDiameters ? cellText(fields_.windingsGrid, kDiameterColumn, row) : std::string()});
    design.frequency = fields_.frequency->value();
    design.coreSection = fields_.coreSection->value();
    design.windowArea = fields_.windowArea->value();
    return design;
}

void CalculatePress::showPressResults(const WindingDesign& design, const ReportLines& report) {
    updateCell(fields_.primaryGrid, 0, 0, design.primaryVoltage);
    updateCell(fields_.primaryGrid, 1, 0, design.primaryDiameter);
    const bool hasDiameters = gridSizing_.hasDiameterColumn();
    for (std::size_t k = 1; k <= design.secondaries.size(); ++k) {
        const SecondaryCells& row = design.secondaries[k - 1];
        const int gridRow = static_cast<int>(k);
        updateCell(fields_.windingsGrid, 1, gridRow, row.voltage);
        updateCell(fields_.windingsGrid, 2, gridRow, row.current);
        if (hasDiameters)
            updateCell(fields_.windingsGrid, kDiameterColumn, gridRow, row.diameter);
    }
    if (report.cleared)
        results_().clearReport();
    QStringList lines;
    for (const std::string& line : report.lines)
        lines.append(QString::fromStdString(line));
    results_().appendLines(lines);
}

bool CalculatePress::press(QWidget* parent) {
    lastPressLanguage_ = currentLanguage_();
    const LanguageTexts texts(lastPressLanguage_->toStdString());
    const MessageLookup lookup = [&texts](std::string_view key) { return texts.message(key); };

    WindingDesign design = readDesign();
    ReportLines report;
    PressResult result;
    {
        // What the press changed shows even when it fails part way.
        const auto show = qScopeGuard([&] { showPressResults(design, report); });
        result = cycle_.press(design, fields_.thickness->text().toStdString(), lookup, report);
    }

    // The press found the thickness a positive number.
    const double thickness = typedThickness(fields_.thickness->text().toStdString());
    std::optional<CalculatedTransformer> found;
    switch (result) {
    case PressResult::ThicknessMissing:
        desktop_.showMessage(parent, QString::fromStdString(texts.message("Mes2")),
                             QString::fromStdString(texts.message("Mes1")), MessageIcon::None);
        return false;
    case PressResult::FillChecked:
        return false;
    case PressResult::CoreSufficient:
        fields_.calculateButton->setText(QString::fromStdString(texts.mainForm("Button1_")));
        found = calculatedTransformer(design, cycle_.turnStore(), report.figures);
        found->laminationThickness = thickness;
        break;
    case PressResult::CoreInsufficient:
        break;
    }
    lastLoad_ = LastCalculation{design, thickness, std::move(found)};

    results_().showResults();
    if (!gridSizing_.hasDiameterColumn())
        gridSizing_.addDiameterColumn(QString::fromStdString(texts.mainForm("Label4")));
    return true;
}

void CalculatePress::returnToCalculationMode() {
    cycle_.returnToCalculationMode();
    const QString language = lastPressLanguage_.value_or(currentLanguage_());
    fields_.calculateButton->setText(
        QString::fromStdString(LanguageTexts(language.toStdString()).mainForm("Button1")));
}

void CalculatePress::languageApplied(const LanguageTexts& texts) {
    if (cycle_.mode() == CycleMode::Fill)
        fields_.calculateButton->setText(QString::fromStdString(texts.mainForm("Button1_")));
}

// The reset button and the close of the results window share their steps, each in its own
// order.
void CalculatePress::reset() {
    lastLoad_.reset();
    results_().clearReport();
    returnToCalculationMode();
}

void CalculatePress::resultsClosed() {
    results_().clearPrintBuffer();
    results_().clearReport();
    returnToCalculationMode();
}

std::optional<CalculatedTransformer> CalculatePress::transformerWithTypedWires() const {
    if (!lastLoad_ || !lastLoad_->transformer)
        return std::nullopt;
    CalculatedTransformer transformer = *lastLoad_->transformer;
    std::vector<std::string> diameters{cellText(fields_.primaryGrid, 1, 0)};
    const int rows = fields_.windingsGrid->rowCount();
    for (std::size_t k = 1; k <= transformer.secondaries.size(); ++k) {
        const int row = static_cast<int>(k);
        const bool typed = gridSizing_.hasDiameterColumn() && row < rows;
        diameters.push_back(typed ? cellText(fields_.windingsGrid, kDiameterColumn, row) : "");
    }
    applyChosenDiameters(transformer, diameters);
    return transformer;
}

void CalculatePress::coreReplaced() {
    if (cycle_.mode() == CycleMode::Fill)
        returnToCalculationMode();
}

} // namespace navivor
