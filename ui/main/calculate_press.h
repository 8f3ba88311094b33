// SPDX-License-Identifier: GPL-3.0-or-later
// The calculate button's presenter: reads the main window's fields into a design, lets the
// calculation cycle run on it, writes back what the press changed and shows the report.
#pragma once

#include "calc/calculation_cycle.h"
#include "calc/winding_sheet.h"
#include "i18n/language_file.h"
#include "ui/current_language.h"
#include "ui/desktop/desktop.h"
#include "ui/results/results_window.h"

#include <optional>

class QLineEdit;
class QPushButton;
class QWidget;

namespace navivor {

// What the last press that ran the winding calculation leaves for the bench tools.
struct LastCalculation {
    // The design as that press left it and the lamination thickness it was given (mm): the
    // load the core pick picks a core for, one lamination at a time.
    WindingDesign design;
    double laminationThickness = 0;
    // What it found on a large enough core, with the diameters typed now where a diameter
    // cell holds one: what the winding sheet winds. None after an insufficient press.
    std::optional<CalculatedTransformer> transformer;
};
class SpinField;
class StringGrid;
class WindingsGridSizing;

class CalculatePress {
public:
    // The controls a press reads and writes.
    struct Fields {
        StringGrid* windingsGrid;
        StringGrid* primaryGrid;
        SpinField* frequency;
        SpinField* coreSection;
        SpinField* windowArea;
        QLineEdit* thickness;
        QPushButton* calculateButton;
    };

    // The language in force is asked of currentLanguage at every press.
    CalculatePress(Fields fields, WindingsGridSizing& gridSizing, Desktop& desktop,
                   CurrentLanguage currentLanguage);
    void showReportsIn(ResultsSource results);

    // Runs the cycle once ("Расчитать" / "Заполнение"); true when the results window shows a
    // new report.
    bool press(QWidget* parent);
    // The reset button: the report and the last calculation are forgotten.
    void reset();
    // The results window was closed: back to calculation mode with an empty report.
    void resultsClosed();
    // In fill mode the calculate button takes the language's fill caption.
    void languageApplied(const LanguageTexts& texts);
    // The last sufficient calculation with the diameters typed now where a diameter cell holds
    // one; nothing after an insufficient press or a reset.
    std::optional<CalculatedTransformer> transformerWithTypedWires() const;
    // The last press that ran the winding calculation, sufficient or not; nothing before one
    // or after a reset. Its transformer is as calculated: transformerWithTypedWires gives it
    // with the diameters typed, which may be no numbers.
    std::optional<LastCalculation> lastLoad() const { return lastLoad_; }
    // Another core was put into the fields: the next press calculates the windings on it
    // rather than checking the fill of the old core's turns.
    void coreReplaced();

private:
    WindingDesign readDesign() const;
    void showPressResults(const WindingDesign& design, const ReportLines& report);
    // Calculation mode, and the calculate button's caption for it.
    void returnToCalculationMode();

    Fields fields_;
    WindingsGridSizing& gridSizing_;
    Desktop& desktop_;
    CurrentLanguage currentLanguage_;
    ResultsSource results_;
    CalculationCycle cycle_;
    // The language of the most recent press.
    std::optional<QString> lastPressLanguage_;
    // The last winding calculation: its design and thickness for the core pick, and what it
    // found, if anything, for the winding sheet.
    std::optional<LastCalculation> lastLoad_;
};

} // namespace navivor
