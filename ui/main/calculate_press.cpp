// SPDX-License-Identifier: GPL-3.0-or-later
// The calculate and reset buttons: the main window reads its fields into a design, lets the
// calculation cycle run on it, and shows what the press changed.
#include "i18n/language_file.h"
#include "text/number_text.h"
#include "ui/desktop/desktop.h"
#include "ui/main/main_window.h"
#include "ui/results/results_window.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/static_text.h"
#include "ui/widgets/string_grid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

namespace navivor {
namespace {

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

WindingDesign MainWindow::readDesign() const {
    WindingDesign design;
    design.primaryVoltage = cellText(primaryGrid_, 0, 0);
    design.primaryDiameter = cellText(primaryGrid_, 1, 0);
    const bool hasDiameters = hasDiameterColumn();
    for (int row = 1; row < windingsGrid_->rowCount(); ++row)
        design.secondaries.push_back(
            {cellText(windingsGrid_, 1, row), cellText(windingsGrid_, 2, row),
             hasDiameters ? cellText(windingsGrid_, kDiameterColumn, row) : std::string()});
    design.frequency = frequencyField_->value();
    design.coreSection = coreSectionField_->value();
    design.windowArea = windowAreaField_->value();
    return design;
}

void MainWindow::showPressResults(const WindingDesign& design, const ReportLines& report) {
    updateCell(primaryGrid_, 0, 0, design.primaryVoltage);
    updateCell(primaryGrid_, 1, 0, design.primaryDiameter);
    const bool hasDiameters = hasDiameterColumn();
    for (std::size_t k = 1; k <= design.secondaries.size(); ++k) {
        const SecondaryCells& row = design.secondaries[k - 1];
        const int gridRow = static_cast<int>(k);
        updateCell(windingsGrid_, 1, gridRow, row.voltage);
        updateCell(windingsGrid_, 2, gridRow, row.current);
        if (hasDiameters)
            updateCell(windingsGrid_, kDiameterColumn, gridRow, row.diameter);
    }
    if (report.cleared)
        results_->clearReport();
    QStringList lines;
    for (const std::string& line : report.lines)
        lines.append(QString::fromStdString(line));
    results_->appendLines(lines);
}

void MainWindow::calculate() {
    lastPressLanguage_ = currentLanguage_();
    const LanguageTexts texts(lastPressLanguage_->toStdString());
    const MessageLookup lookup = [&texts](std::string_view key) { return texts.message(key); };

    WindingDesign design = readDesign();
    ReportLines report;
    PressResult result;
    {
        // What the press changed shows even when it fails part way.
        const auto show = qScopeGuard([&] { showPressResults(design, report); });
        result = cycle_.press(design, thicknessField_->text().toStdString(), lookup, report);
    }

    switch (result) {
    case PressResult::ThicknessMissing:
        desktop_.showMessage(this, QString::fromStdString(texts.message("Mes2")),
                             QString::fromStdString(texts.message("Mes1")), MessageIcon::None);
        return;
    case PressResult::FillChecked:
        return;
    case PressResult::CoreSufficient:
        calculateButton_->setText(QString::fromStdString(texts.mainForm("Button1_")));
        lastCalculation_ = calculatedTransformer(design, cycle_.turnStore(), report.figures);
        break;
    case PressResult::CoreInsufficient:
        lastCalculation_.reset();
        break;
    }

    results_->showResults();
    enableSaveAndPrintButtons(true);
    if (!hasDiameterColumn())
        addDiameterColumn(QString::fromStdString(texts.mainForm("Label4")));
}

void MainWindow::addDiameterColumn(const QString& heading) {
    constexpr int width = StringGrid::kDefaultColumnWidth;
    setClientWidth(clientWidth() + width);
    windingsGrid_->resize(windingsGrid_->width() + width + StringGrid::kGridLineWidth,
                          windingsGrid_->height());
    windingsGrid_->setColumnCount(kDiameterColumn + 1);
    windingsGrid_->setCell(kDiameterColumn, 0, heading);
    // Half a column, rounded half to even.
    for (QWidget* moved : {static_cast<QWidget*>(picture_), static_cast<QWidget*>(titleText_),
                           static_cast<QWidget*>(versionText_)})
        moved->move(moved->x() + width / 2, moved->y());
}

bool MainWindow::hasDiameterColumn() const {
    return windingsGrid_->columnCount() > kDiameterColumn;
}

void MainWindow::returnToCalculationMode() {
    cycle_.returnToCalculationMode();
    const QString language = lastPressLanguage_.value_or(currentLanguage_());
    calculateButton_->setText(
        QString::fromStdString(LanguageTexts(language.toStdString()).mainForm("Button1")));
}

void MainWindow::languageApplied(const LanguageTexts& texts) {
    setGridHeadings(texts);
    if (cycle_.mode() == CycleMode::Fill)
        calculateButton_->setText(QString::fromStdString(texts.mainForm("Button1_")));
}

void MainWindow::setGridHeadings(const LanguageTexts& texts) {
    const auto heading = [&texts](const char* blanks, const char* key) {
        return QString::fromLatin1(blanks) + QString::fromStdString(texts.mainForm(key));
    };
    windingsGrid_->setCell(0, 0, heading("  ", "Kol1"));
    windingsGrid_->setCell(1, 0, heading("    ", "Kol2"));
    windingsGrid_->setCell(2, 0, heading("     ", "Kol3"));
    // Also while the grid shows three columns: the diameter column then shows it.
    windingsGrid_->setCell(3, 0, heading(" ", "Label4"));
}

void MainWindow::enableSaveAndPrintItems(bool enabled) {
    saveItem_->setEnabled(enabled);
    printItem_->setEnabled(enabled);
}

void MainWindow::enableSaveAndPrintButtons(bool enabled) {
    saveButton_->setEnabled(enabled);
    printButton_->setEnabled(enabled);
}

// The reset button and the close of the results window share their steps, each in its own
// order.
void MainWindow::reset() {
    lastCalculation_.reset();
    results_->clearReport();
    returnToCalculationMode();
    enableSaveAndPrintItems(false);
    enableSaveAndPrintButtons(false);
}

void MainWindow::resultsClosed() {
    results_->clearPrintBuffer();
    results_->clearReport();
    enableSaveAndPrintButtons(false);
    returnToCalculationMode();
    enableSaveAndPrintItems(false);
}

} // namespace navivor
