// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navivor_windows.h"

#include "text/installed_data.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"

namespace navivor {

// A failure in a window's creation step is shown like any other, and start-up goes on: the
// window itself exists all the same.
NavivorWindows::NavivorWindows() {
    const CurrentLanguage language = [this] { return currentLanguage(); };
    create(mainWindow, Desktop::instance(), language);
    showingFailures([this] { mainWindow->runCreationStep(); });
    create(aboutBox, Desktop::instance(), mainWindow.get());
    create(resultsWindow, Desktop::instance());
    mainWindow->showReportsIn(*resultsWindow);
    create(languageChooser, inCreationOrder_, mainWindow.get());
    QObject::connect(
        languageChooser.get(), &LanguageChooser::languageApplied, mainWindow.get(),
        [this](const QString&, const LanguageTexts& texts) { mainWindow->languageApplied(texts); });
    showingFailures([this] { languageChooser->runCreationStep(); });
    create(usageWindow);
    QObject::connect(languageChooser.get(), &LanguageChooser::languageApplied, usageWindow.get(),
                     [this](const QString& name) { usageWindow->useLanguage(name); });
    create(rectifierDialog, language, mainWindow.get());
    QObject::connect(rectifierDialog.get(), &RectifierDialog::secondaryChosen, mainWindow.get(),
                     [this](int row, const QString& voltage, const QString& current) {
                         mainWindow->enterToolFigures(SecondaryFigures{row, voltage, current});
                     });
    create(windingSheetWindow, language, Desktop::instance());
    QObject::connect(windingSheetWindow.get(), &WindingSheetWindow::wiresChosen, mainWindow.get(),
                     [this](const QStringList& diameters) {
                         mainWindow->enterToolFigures(WireFigures{diameters});
                     });
    create(corePickWindow, language, installedDataFolder(NAVIVOR_DATA_FROM_PROGRAM));
    QObject::connect(corePickWindow.get(), &CorePickWindow::coreChosen, mainWindow.get(),
                     [this](int section, int windowArea) {
                         mainWindow->enterToolFigures(CoreFigures{section, windowArea});
                     });
    connectMainWindowCommands();
    // The saved language was applied before these windows existed.
    for (QWidget* later :
         {static_cast<QWidget*>(usageWindow.get()), static_cast<QWidget*>(rectifierDialog.get()),
          static_cast<QWidget*>(windingSheetWindow.get())})
        languageChooser->applyToLaterWindow(later);
    languageChooser->applyToLaterWindow(corePickWindow.get());
    usageWindow->useLanguage(languageChooser->languageName());
}

QString NavivorWindows::currentLanguage() const {
    return languageChooser ? languageChooser->languageName() : QString();
}

void NavivorWindows::connectMainWindowCommands() {
    MainWindow* main = mainWindow.get();
    QObject::connect(main, &MainWindow::languageChooserAsked, languageChooser.get(),
                     [this] { languageChooser->exec(); });
    QObject::connect(main, &MainWindow::aboutBoxAsked, aboutBox.get(),
                     [this] { aboutBox->exec(); });
    QObject::connect(main, &MainWindow::usageWindowAsked, usageWindow.get(),
                     [this] { usageWindow->showInFront(); });
    QObject::connect(main, &MainWindow::rectifierAsked, rectifierDialog.get(),
                     [this](int secondaries) { rectifierDialog->showFor(secondaries); });
    QObject::connect(main, &MainWindow::calculationToolAsked, main,
                     [this](CalculationTool tool, const LastCalculation& calculation) {
                         if (tool == CalculationTool::WindingSheet)
                             windingSheetWindow->showFor(*calculation.transformer);
                         else
                             corePickWindow->showFor(calculation.design,
                                                     calculation.laminationThickness);
                     });
}

} // namespace navivor
