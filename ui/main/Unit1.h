// The main window: every input of a design, the calculate and reset buttons, the toolbar
// and the main menu. Controls keep the names that language and settings files use as keys.
#pragma once

#include "calc/calculation_cycle.h"

#include <QMainWindow>
#include <QString>

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

class SpinField;
class StringGrid;
class TAboutBox;
class TInfo;
class TLangForm;
class TResult;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kDesignClientWidth = 447;
    static constexpr int kClientHeight = 294;

    explicit TMainForm(QWidget* parent = nullptr);

    // The width of the area below the menu bar; the window's height never changes.
    int clientWidth() const;
    void setClientWidth(int width);

    // Inputs
    StringGrid* SG1;
    StringGrid* SG2;
    SpinField* SE1;
    SpinField* SE2;
    SpinField* SE4;
    SpinField* SE5;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;

    // Texts and decoration
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* ST1;
    QLabel* ST2;
    QLabel* Image1;
    QFrame* Bevel2;

    // Toolbar, left to right; the separators are actions
    QToolBar* ToolBar1;
    QAction* ToolButton11;
    QToolButton* ToolButton1;
    QToolButton* ToolButton2;
    QAction* ToolButton4;
    QToolButton* ToolButton3;
    QToolButton* ToolButton8;
    QToolButton* ToolButton10;
    QAction* ToolButton5;
    QToolButton* ToolButton7;
    QAction* ToolButton6;
    QToolButton* ToolButton9;

    // Main menu
    QMenu* Menu1;
    QAction* Save;
    QAction* Print;
    QAction* N8;
    QAction* Exit1;
    QMenu* N7;
    QAction* N3;
    QAction* N5;
    QAction* N6;
    QAction* N1;
    QAction* N4;
    QAction* N13;
    QAction* Lang;
    QAction* N2;
    QMenu* N9;
    QAction* N10;
    QAction* N12;
    QAction* N14;
    QAction* N11;
    QAction* About1;
    QAction* N16;

    CalculationCycle cycle;

    // The windows created after this one, which its commands use.
    void connectWindows(TAboutBox* aboutBox, TResult* result, TLangForm* langForm, TInfo* info);
    TAboutBox* AboutBox = nullptr;
    TResult* Result = nullptr;
    TLangForm* LangForm = nullptr;
    TInfo* Info = nullptr;

    // Handlers
    void FormCreate();
    void SE1Change();
    void SG1KeyPress(QChar& key);
    void SG2KeyPress(QChar& key);
    void Menu1Click();
    void SaveClick();
    void PrintClick();
    void Exit1Click();
    void N3Click();
    void N5Click();
    void N6Click();
    void N4Click();
    void N13Click();
    void LangClick();
    void N10Click();
    void N12Click();
    void N14Click();
    void About1Click();
    void N16Click();
    void Button1Click();
    void Button2Click();
    // The results window was closed: back to calculation mode with an empty report.
    void ResultFormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createInputs(QWidget* client);
    void createLabels(QWidget* client);
    void createToolBar(QWidget* client);
    void createMenu();
    void connectHandlers();
    void setTabOrder();
    void installKeyFilters();

    WindingDesign readDesign() const;
    void showPressResults(const WindingDesign& design, const ReportLines& report);
    void addDiameterColumn(const QString& heading);
    void showCalculationCaption();

    QWidget* client_;
    // The language of the most recent press of the calculate button.
    std::optional<QString> lastPressLanguage_;
};

} // namespace navivor
