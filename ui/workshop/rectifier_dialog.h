// The rectifier dialog: from the DC voltage and current a supply must give through a
// capacitor-input rectifier, the AC voltage and current of its secondary winding, which it
// puts into a row of the windings grid on request.
#pragma once

#include "calc/rectifier.h"
#include "ui/current_language.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace navivor {

class SpinField;

class RectifierDialog : public QDialog {
    Q_OBJECT
public:
    // The language chooser is found among the windows; the parent is the window the dialog
    // stays above.
    RectifierDialog(CurrentLanguage currentLanguage, QWidget* parent);

    // Runs the dialog over the parent; the row field starts within the secondaries there are.
    void showFor(int secondaries);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLineEdit* Edit1; // DC voltage
    QLineEdit* Edit2; // DC current
    QLineEdit* Edit3; // diode drop
    QLineEdit* Edit4; // regulator headroom
    QComboBox* ComboBox1;
    // The winding's voltage, current and rating, as the grid would take them.
    QLabel* Value1;
    QLabel* Value2;
    QLabel* Value3;
    SpinField* SpinEdit1; // the grid row
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

signals:
    // A row of the windings grid, 1 to 50, and its voltage and current cell texts.
    void secondaryChosen(int row, const QString& voltage, const QString& current);

private:
    void showCalculation(); // "Рассчитать"
    void putIntoGrid();     // "В таблицу"

    SecondaryForRectifier calculate();
    void retitleKinds();

    CurrentLanguage currentLanguage_;
};

} // namespace navivor
