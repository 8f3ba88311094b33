// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: every input of a design, the calculate and reset buttons, the toolbar
// and the main menu. Controls keep the names that language and settings files use as keys.
#pragma once

#include "i18n/language_file.h"
#include "ui/current_language.h"
#include "ui/desktop/desktop.h"
#include "ui/main/calculate_press.h"
#include "ui/results/results_window.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <variant>

class QAction;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace navivor {

class AppearanceState;
class EtchedToolBar;
class Picture;
class SpinField;
class StaticText;
class StringGrid;
class WindingsGridSizing;

// What a bench tool puts into the main window's inputs.
struct SecondaryFigures { // the rectifier's
    int row = 1;          // of the windings grid, 1 to 50
    QString voltage;
    QString current;
};
struct WireFigures {       // the winding sheet's
    QStringList diameters; // the primary's first; an empty text leaves its cell as it is
};
struct CoreFigures { // the core pick's, in mm2
    int section = 1;
    int windowArea = 1;
};
using ToolFigures = std::variant<SecondaryFigures, WireFigures, CoreFigures>;

// The bench tools that work on the last calculation.
enum class CalculationTool { WindingSheet, CorePick };

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The language in force is asked of currentLanguage at every press and at close.
    MainWindow(Desktop& desktop, CurrentLanguage currentLanguage);
    ~MainWindow() override;
    // The window the reports go to, made after this one when first needed; its close resets
    // the calculation.
    void showReportsIn(ResultsSource results);

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

    // Creation step: the grid's headings, the defaults and the saved looks.
    void runCreationStep();
    // A language was applied to every window: the grid's headings, and in fill mode the
    // calculate button's fill caption, which the walk does not know.
    void languageApplied(const LanguageTexts& texts);
    // A bench tool's figures: a row of the windings grid beyond the count adds the windings up
    // to it; wire diameters go into the diameter cells; another core makes the next press a
    // calculation on it.
    void enterToolFigures(const ToolFigures& figures);

signals:
    // Commands for the windows made after this one, wired where the windows are made.
    void languageChooserAsked();
    void aboutBoxAsked();
    void usageWindowAsked();
    void rectifierAsked(int secondaries);
    void calculationToolAsked(CalculationTool tool, const LastCalculation& calculation);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kClientHeight = 294;

    void setClientWidth(int width);
    ResultsWindow& results();
    // The results window was closed: back to calculation mode with an empty report.
    void resultsClosed();

    // commands.cpp
    void calculate();  // "Расчитать" / "Заполнение"
    void reset();      // "Сброс"
    void menuOpened(); // "Меню" opens
    void saveReport(); // "Сохр. результаты", Ctrl+S, toolbar "Сохранить результаты"
    void printReport(); // "Печать результатов", Ctrl+P, toolbar "Распечатать результаты"
    void exitProgram(); // "Выход"
    void chooseFont();  // "Шрифт...", toolbar "Шрифт..."
    void chooseBackgroundColour(); // "Цвет фона...", toolbar "Цвет фона"
    void chooseFieldColour(); // "Цвет фона таблицы", toolbar "Цвет фона таблицы"
    void toggleFlatButtons(); // "Плоские кнопки"
    void toggleStayOnTop();   // "Всегда наверху"
    void chooseLanguage();    // "Язык"
    void openRectifier();     // "Выпрямитель..."
    void openWindingSheet();  // "Намоточные данные..."
    void openCorePick();      // "Подбор сердечника..."
    void openWireSizes();     // "Размеры проводки"
    void openWireTypes();     // "Размеры проводов"
    void openCoreSizes();     // "Размеры сердечников"
    void showAbout();         // "О программе"
    void showUsage();         // "Инфо"
    void openDocument(const QString& fileName);
    // The message of a tool that needs a calculation first, in the tool's own texts.
    void showNoCalculation(const char* toolSection);

    // menu_and_tool_bar.cpp
    void createToolBar(QWidget* client);
    void createMenu();
    std::function<void()> command(void (MainWindow::*method)());

    // main_window.cpp
    void createInputs(QWidget* client);
    void createLabels(QWidget* client);
    void createCollaborators();
    void connectInputs();
    void setTabOrder();
    // The windings grid's headings in the language's texts.
    void setGridHeadings(const LanguageTexts& texts);
    void enterSecondary(const SecondaryFigures& secondary);
    void enterDiameters(const QStringList& diameters);
    void enableSaveAndPrintItems(bool enabled);
    void enableSaveAndPrintButtons(bool enabled);

    Desktop& desktop_;
    CurrentLanguage currentLanguage_;
    ResultsSource resultsSource_;
    // Once made.
    ResultsWindow* results_ = nullptr;
    QWidget* client_;

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
    EtchedToolBar* toolBar_;
    // Enabled when there is a report to save or print.
    QToolButton* saveButton_;
    QToolButton* printButton_;
    QAction* saveItem_;
    QAction* printItem_;
    // Their check marks are the state of the two commands.
    QAction* flatButtonsItem_;
    QAction* stayOnTopItem_;

    std::unique_ptr<WindingsGridSizing> gridSizing_;
    std::unique_ptr<CalculatePress> calculatePress_;
    std::unique_ptr<AppearanceState> appearance_;
};

} // namespace navivor
