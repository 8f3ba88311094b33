// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window's buttons, menu and toolbar.
#include "settings/settings_file.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"
#include "ui/main/appearance_state.h"
#include "ui/main/calculate_press.h"
#include "ui/main/main_window.h"
#include "ui/results/results_window.h"
#include "ui/widgets/etched_tool_bar.h"
#include "ui/widgets/spin_field.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>
#include <QUrl>

namespace navivor {

void MainWindow::calculate() {
    if (calculatePress_->press(this))
        enableSaveAndPrintButtons(true);
}

void MainWindow::reset() {
    calculatePress_->reset();
    enableSaveAndPrintItems(false);
    enableSaveAndPrintButtons(false);
}

void MainWindow::menuOpened() {
    // No results window yet, no report.
    enableSaveAndPrintItems(results_ && results_->reportHasText());
}

void MainWindow::saveReport() {
    results().saveReport(this);
}

void MainWindow::printReport() {
    results().printReport(this);
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A settings file that cannot be written is named once; the program still ends, so a
    // read-only file never keeps the user from closing it.
    showingFailures(
        [this] { appearance_->save(kSettingsFilePath, currentLanguage_().toStdString()); });
    event->accept();
    // The main window's close ends the program, even while other windows are open.
    QCoreApplication::quit();
}

// The reference documents are named relative to the current directory. Where none opens, the
// user learns which, as a desktop's own open command would say.
void MainWindow::openDocument(const QString& fileName) {
    const QString path = QDir::current().absoluteFilePath(fileName);
    const auto cannotOpen = [this, fileName] {
        desktop_.showMessage(this, "Navivor",
                             QString("Cannot open %1: the file is missing, or no program is set "
                                     "to open it.")
                                 .arg(fileName),
                             MessageIcon::Error);
    };
    if (QFileInfo::exists(path))
        desktop_.openUrl(QUrl::fromLocalFile(path), cannotOpen);
    else
        cannotOpen();
}

void MainWindow::openWireSizes() {
    openDocument("wiresize.htm");
}

void MainWindow::openWireTypes() {
    openDocument("wiretype.htm");
}

void MainWindow::openCoreSizes() {
    openDocument("dimensions.htm");
}

void MainWindow::chooseFont() {
    appearance_->chooseFont(this);
}

void MainWindow::chooseBackgroundColour() {
    appearance_->chooseBackgroundColour(this);
}

void MainWindow::chooseFieldColour() {
    appearance_->chooseFieldColour(this);
}

void MainWindow::toggleFlatButtons() {
    const bool flat = !flatButtonsItem_->isChecked();
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>())
        button->setAutoRaise(flat);
    toolBar_->setBorderWidth(flat ? 1 : 0);
    flatButtonsItem_->setChecked(flat);
}

void MainWindow::toggleStayOnTop() {
    const bool onTop = !stayOnTopItem_->isChecked();
    stayOnTopItem_->setChecked(onTop);
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        show(); // changing the flags hides the window
}

void MainWindow::openRectifier() {
    emit rectifierAsked(secondaryCountField_->value());
}

// The wires are the ones typed now where a diameter cell holds one, else the calculated ones.
void MainWindow::openWindingSheet() {
    std::optional<LastCalculation> calculation = calculatePress_->lastLoad();
    if (calculation)
        calculation->transformer = calculatePress_->transformerWithTypedWires();
    if (calculation && calculation->transformer) {
        emit calculationToolAsked(CalculationTool::WindingSheet, *calculation);
        return;
    }
    showNoCalculation("WindingSheetForm");
}

// The load is all the pick needs, so a core too small for it serves as well.
void MainWindow::openCorePick() {
    if (const std::optional<LastCalculation> calculation = calculatePress_->lastLoad()) {
        emit calculationToolAsked(CalculationTool::CorePick, *calculation);
        return;
    }
    showNoCalculation("CorePickForm");
}

void MainWindow::showNoCalculation(const char* toolSection) {
    const LanguageTexts texts(currentLanguage_().toStdString());
    desktop_.showMessage(this, QString::fromStdString(texts.text(toolSection, toolSection)),
                         QString::fromStdString(texts.text(toolSection, "NoCalculation")),
                         MessageIcon::None);
}

void MainWindow::chooseLanguage() {
    emit languageChooserAsked();
}

void MainWindow::showAbout() {
    emit aboutBoxAsked();
}

void MainWindow::showUsage() {
    emit usageWindowAsked();
}

} // namespace navivor
