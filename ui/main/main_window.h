// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: every input of a design, the calculate and reset buttons, the toolbar
// and the main menu. Controls keep the names that language and settings files use as keys.
#pragma once

#include "calc/calculation_cycle.h"
#include "calc/winding_sheet.h"
#include "i18n/language_file.h"
#include "settings/settings_file.h"
#include "ui/current_language.h"
#include "ui/desktop/desktop.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;

namespace navivor {

class Picture;
class ResultsWindow;
class SpinField;
class StaticText;
class StringGrid;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The language in force is asked of currentLanguage at every press and at close.
    MainWindow(Desktop& desktop, CurrentLanguage currentLanguage);
    // The window the reports go to, made after this one.
    void showReportsIn(ResultsWindow& results);

    // The controls a user types into and presses, for the program's tests and benchmarks.
    struct Inputs {
        StringGrid* windingsGrid;
        StringGrid* primaryGrid;
        SpinField* secondaryCount;
        SpinField* frequency;
        SpinField* coreSection;
        SpinField* windowArea;
        QLineEdit* thickness;
        QPushButton* calculate;
        QPushButton* reset;
    };
    Inputs inputs() const;

    // Where the cycle stands: what the caption of the calculate button shows.
    CycleMode cycleMode() const { return cycle_.mode(); }

    // Creation step (main_window.cpp): headings, defaults, calculation mode.
    void runCreationStep();
    // The results window was closed (calculate_press.cpp): back to calculation mode with an
    // empty report.
    void resultsClosed();
    // A language was applied to every window (calculate_press.cpp): the grid's headings, and
    // in fill mode the calculate button's fill caption, which the walk does not know.
    void languageApplied(const LanguageTexts& texts);
    // The rectifier dialog's values for a row of the windings grid (workshop_commands.cpp); a
    // row beyond the count adds the windings up to it.
    void enterSecondary(int row, const QString& voltage, const QString& current);

signals:
    // Commands for the windows made after this one, wired where the windows are made.
    void languageChooserAsked();
    void aboutBoxAsked();
    void usageWindowAsked();
    void rectifierAsked(int secondaries);
    void windingSheetAsked(const CalculatedTransformer& transformer);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kDesignClientWidth = 447;
    static constexpr int kClientHeight = 294;
    // The windings grid's column of chosen diameters, added by the first sufficient press.
    static constexpr int kDiameterColumn = 3;

    // The width of the area below the menu bar; the window's height never changes.
    int clientWidth() const;
    void setClientWidth(int width);

    // calculate_press.cpp
    void calculate(); // "Расчитать" / "Заполнение"
    void reset();     // "Сброс"

    // windings_grid_sizing.cpp
    void secondaryCountChanged(); // the count of secondaries changed or was entered

    // key_filters.cpp
    void filterWindingsGridKey(QChar& key); // a character typed into the windings grid
    void filterPrimaryKey(QChar& key); // a character typed into the primary grid or the thickness

    // commands.cpp
    void menuOpened(); // "Меню" opens
    void saveReport(); // "Сохр. результаты", Ctrl+S, toolbar "Сохранить результаты"
    void printReport(); // "Печать результатов", Ctrl+P, toolbar "Распечатать результаты"
    void exitProgram(); // "Выход"
    void chooseLanguage(); // "Язык"
    void openWireSizes();  // "Размеры проводки"
    void openWireTypes();  // "Размеры проводов"
    void openCoreSizes();  // "Размеры сердечников"
    void showAbout();      // "О программе"
    void showUsage();      // "Инфо"

    // workshop_commands.cpp
    void openRectifier();    // "Выпрямитель..."
    void openWindingSheet(); // "Намоточные данные..."

    // appearance.cpp
    void chooseFont();             // "Шрифт...", toolbar "Шрифт..."
    void chooseBackgroundColour(); // "Цвет фона...", toolbar "Цвет фона"
    void chooseFieldColour(); // "Цвет фона таблицы", toolbar "Цвет фона таблицы"
    void toggleFlatButtons(); // "Плоские кнопки"
    void toggleStayOnTop();   // "Всегда наверху"
    // The main window closes: the settings file keeps its looks and the language.
    void saveSettings();

    // Sets the colour of the controls named, then shows every colour.
    void setControlColours(ColourValue colour, std::initializer_list<ColourValue*> targets);
    void showColours();
    void setWindowFont(const QString& family, int points);
    void applySavedAppearance();
    static QString toolBarStyleSheet(int borderWidth);

    void openDocument(const QString& fileName);
    void createInputs(QWidget* client);
    void createLabels(QWidget* client);
    void createToolBar(QWidget* client);
    void createMenu();
    void connectInputs();
    std::function<void()> command(void (MainWindow::*method)());
    void setTabOrder();
    void installKeyFilters();

    WindingDesign readDesign() const;
    void showPressResults(const WindingDesign& design, const ReportLines& report);
    // The windings grid's headings in the language's texts.
    void setGridHeadings(const LanguageTexts& texts);
    bool hasDiameterColumn() const;
    void addDiameterColumn(const QString& heading);
    // Calculation mode, and the calculate button's caption for it.
    void returnToCalculationMode();
    void enableSaveAndPrintItems(bool enabled);
    void enableSaveAndPrintButtons(bool enabled);

    Desktop& desktop_;
    CurrentLanguage currentLanguage_;
    ResultsWindow* results_ = nullptr;

    StringGrid* windingsGrid_;
    StringGrid* primaryGrid_;
    SpinField* secondaryCountField_;
    SpinField* frequencyField_;
    SpinField* coreSectionField_;
    SpinField* windowAreaField_;
    QLineEdit* thicknessField_;
    QPushButton* calculateButton_;
    QPushButton* resetButton_;
    // Moved aside when the windings grid grows a column.
    StaticText* titleText_;
    StaticText* versionText_;
    Picture* picture_;
    QToolBar* toolBar_;
    // Enabled when there is a report to save or print.
    QToolButton* saveButton_;
    QToolButton* printButton_;
    QAction* saveItem_;
    QAction* printItem_;
    // Their check marks are the state of the two commands.
    QAction* flatButtonsItem_;
    QAction* stayOnTopItem_;
    CalculationCycle cycle_;
    // The colours, as the settings file names them so that a role of the desktop's scheme is
    // saved as that role, and the font the window shows, as its settings keep them.
    Appearance looks_;
    // What the font and colour dialogs start from: the last confirmed choice.
    FontChoice fontDialog_;
    QColor colourDialog_;
    QWidget* client_;
    // The language of the most recent press of the calculate button.
    std::optional<QString> lastPressLanguage_;
    // What the last sufficient winding calculation found, for the winding sheet; the reset
    // button forgets it.
    std::optional<CalculatedTransformer> lastCalculation_;
};

} // namespace navivor
