// SPDX-License-Identifier: GPL-3.0-or-later
// The rectifier dialog: from the DC voltage and current a supply must give through a
// capacitor-input rectifier, the AC voltage and current of its secondary winding, which it
// puts into a row of the windings grid on request.
#pragma once

#include "calc/rectifier.h"
#include "text/failure.h"
#include "ui/current_language.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace navivor {

class LanguageTexts;
class SpinField;

class RectifierDialog : public QDialog {
    Q_OBJECT
public:
    // The parent is the window the dialog stays above.
    RectifierDialog(CurrentLanguage currentLanguage, QWidget* parent);

    // Runs the dialog over the parent; the row field starts within the secondaries there are.
    void showFor(int secondaries);

signals:
    // A row of the windings grid, 1 to 50, and its voltage and current cell texts.
    void secondaryChosen(int row, const QString& voltage, const QString& current);

private:
    void showCalculation(); // "Рассчитать"
    void putIntoGrid();     // "В таблицу"

    SecondaryForRectifier calculate();
    void retitleKinds();
    QWidget* makeSmoothingPart();
    // texts is the language in force; text its [RectifierForm] section.
    void showSmoothing(const RectifierInput& input, const SecondaryForRectifier& secondary,
                       const LanguageTexts& texts, const MessageLookup& text);

    CurrentLanguage currentLanguage_;
    QLineEdit* dcVoltageField_;
    QLineEdit* dcCurrentField_;
    QComboBox* circuitList_;
    QLineEdit* diodeDropField_;
    QLineEdit* headroomField_;
    // The winding's voltage, current and rating, as the grid would take them.
    QLabel* windingVoltageValue_;
    QLabel* windingCurrentValue_;
    QLabel* windingPowerValue_;
    SpinField* gridRowField_;
    // The capacitor given, or the ripple it is chosen for; the rectifier run in time.
    QLineEdit* capacitanceField_;
    QLineEdit* rippleField_;
    QLabel* smoothingLines_;
};

} // namespace navivor
