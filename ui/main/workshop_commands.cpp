// The bench tools of the "Сервис" menu: the rectifier dialog and the winding sheet.
#include "i18n/language_file.h"
#include "ui/language/Unit5.h"
#include "ui/main/Unit1.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"
#include "ui/workshop/rectifier_form.h"
#include "ui/workshop/winding_sheet_form.h"

namespace navivor {

void TMainForm::Rectifier1Click() {
    windows_.RectifierForm->showFor(SE1->value());
}

void TMainForm::enterSecondary(int row, const QString& voltage, const QString& current) {
    if (row > SE1->value()) {
        SE1->setValue(row);
        SE1Change();
    }
    SG1->setCell(1, row, voltage);
    SG1->setCell(2, row, current);
}

// The wires are the ones typed now where a diameter cell holds one, else the calculated ones.
void TMainForm::WindingSheet1Click() {
    if (!lastCalculation_) {
        const LanguageTexts texts(windows_.LangForm->languageName().toStdString());
        desktop_.showMessage(
            this, QString::fromStdString(texts.text("WindingSheetForm", "WindingSheetForm")),
            QString::fromStdString(texts.text("WindingSheetForm", "NoCalculation")),
            MessageIcon::None);
        return;
    }
    CalculatedTransformer transformer = *lastCalculation_;
    std::vector<std::string> diameters{SG2->cell(1, 0).toStdString()};
    for (std::size_t k = 1; k <= transformer.secondaries.size(); ++k) {
        const int row = static_cast<int>(k);
        const bool typed = hasDiameterColumn() && row < SG1->rowCount();
        diameters.push_back(typed ? SG1->cell(kDiameterColumn, row).toStdString() : "");
    }
    applyChosenDiameters(transformer, diameters);
    windows_.WindingSheetForm->showFor(transformer);
}

} // namespace navivor
