// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet window: the core the windings go on and the bench's allowances, asked
// for and prefilled, and the sheet of the last winding calculation, which it saves and prints.
#pragma once

#include "calc/winding_sheet.h"
#include "ui/current_language.h"
#include "ui/desktop/desktop.h"
#include "ui/results/text_output.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace navivor {

class WindingSheetWindow : public QWidget {
    Q_OBJECT
public:
    WindingSheetWindow(CurrentLanguage currentLanguage, Desktop& desktop);
    ~WindingSheetWindow() override;

    // Shows the sheet of the calculation, on the standard core of its section unless the core
    // fields already hold one for that section.
    void showFor(const CalculatedTransformer& transformer);

    // The sheet as a saved file holds it: every line break is CR LF.
    QString sheetText() const;

signals:
    // The wires of the sheet for the main window's diameter cells, the primary's first: the
    // enamelled diameter, as the fill check takes it, of each wire whose diameter was not
    // typed there, and an empty text for each that was.
    void wiresChosen(const QStringList& diameters);

private:
    void calculate();        // "Рассчитать"
    void useStandardCore();  // "Типовой сердечник"
    void save();             // "Сохранить..."
    void print();            // "Печать..."
    void putWiresIntoGrid(); // "Провода в таблицу"

    void fillStandardCore();
    void fillAllowances(const WindingAllowances& allowances);
    void showSheet();
    QWidget* makePerformanceFields();

    CurrentLanguage currentLanguage_;
    // Tongue width, stack height, window width and height; bobbin wall, layer tape, spare
    // allowance, working temperature.
    std::array<QLineEdit*, 8> fields_;
    // The core steel (the first item: by the lamination thickness), then the ambient,
    // insulation class, bulge factor, insulation between windings and outer wrap.
    QComboBox* steelList_;
    // The user picked a grade: the lamination thickness no longer chooses it.
    bool steelChosen_ = false;
    std::array<QLineEdit*, 5> performanceFields_;
    // Offered once there is a sheet to save or print.
    QPushButton* saveButton_;
    QPushButton* printButton_;
    QPushButton* putWiresButton_;
    // Each winding whose diameter was not typed takes the standard wire it rounds up to.
    QCheckBox* standardWireBox_;
    QPlainTextEdit* sheetView_;
    // What putWiresIntoGrid puts, for the sheet shown.
    QStringList wireTexts_;
    TextDestinations destinations_;
    std::optional<CalculatedTransformer> transformer_;
    // The section whose standard core the core fields were last filled with.
    std::optional<std::int32_t> coreFilledFor_;
};

} // namespace navivor
