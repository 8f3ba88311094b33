// SPDX-License-Identifier: GPL-3.0-or-later
// The bench tools of the "Сервис" menu: the rectifier dialog and the winding sheet.
#include "i18n/language_file.h"
#include "ui/main/main_window.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

namespace navivor {

void MainWindow::openRectifier() {
    emit rectifierAsked(secondaryCountField_->value());
}

void MainWindow::enterSecondary(int row, const QString& voltage, const QString& current) {
    if (row > secondaryCountField_->value()) {
        secondaryCountField_->setValue(row);
        secondaryCountChanged();
    }
    windingsGrid_->setCell(1, row, voltage);
    windingsGrid_->setCell(2, row, current);
}

// The wires are the ones typed now where a diameter cell holds one, else the calculated ones.
void MainWindow::openWindingSheet() {
    if (!lastCalculation_) {
        const LanguageTexts texts(currentLanguage_().toStdString());
        desktop_.showMessage(
            this, QString::fromStdString(texts.text("WindingSheetForm", "WindingSheetForm")),
            QString::fromStdString(texts.text("WindingSheetForm", "NoCalculation")),
            MessageIcon::None);
        return;
    }
    CalculatedTransformer transformer = *lastCalculation_;
    std::vector<std::string> diameters{primaryGrid_->cell(1, 0).toStdString()};
    for (std::size_t k = 1; k <= transformer.secondaries.size(); ++k) {
        const int row = static_cast<int>(k);
        const bool typed = hasDiameterColumn() && row < windingsGrid_->rowCount();
        diameters.push_back(typed ? windingsGrid_->cell(kDiameterColumn, row).toStdString() : "");
    }
    applyChosenDiameters(transformer, diameters);
    emit windingSheetAsked(transformer);
}

} // namespace navivor
