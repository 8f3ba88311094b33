// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navivor_windows.h"

#include "text/installed_data.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"

namespace navivor {

// A failure in a window's creation step is shown like any other, and start-up goes on: the
// window itself exists all the same.
NavivorWindows::NavivorWindows()
    : languageName_([this] { return language_->name(); })
    , language_(std::make_unique<LanguageInForce>(inCreationOrder_)) {
    made(mainWindow_, Desktop::instance(), languageName_);
    showingFailures([this] { mainWindow_->runCreationStep(); });
    mainWindow_->showReportsIn([this]() -> ResultsWindow& { return resultsWindow(); });
    QObject::connect(language_.get(), &LanguageInForce::languageApplied, mainWindow_.get(),
                     [this](const QString&, const LanguageTexts& texts) {
                         mainWindow_->languageApplied(texts);
                     });
    showingFailures([this] { language_->runCreationStep(); });
    connectMainWindowCommands();
}

NavivorWindows::~NavivorWindows() = default;

AboutBox& NavivorWindows::aboutBox() {
    return made(aboutBox_, Desktop::instance(), mainWindow_.get());
}

ResultsWindow& NavivorWindows::resultsWindow() {
    return made(resultsWindow_, Desktop::instance());
}

LanguageChooser& NavivorWindows::languageChooser() {
    return made(languageChooser_, *language_, mainWindow_.get());
}

UsageWindow& NavivorWindows::usageWindow() {
    if (!usageWindow_) {
        made(usageWindow_);
        usageWindow_->useLanguage(language_->name());
        QObject::connect(language_.get(), &LanguageInForce::languageApplied, usageWindow_.get(),
                         [this](const QString& name) { usageWindow_->useLanguage(name); });
    }
    return *usageWindow_;
}

RectifierDialog& NavivorWindows::rectifierDialog() {
    if (!rectifierDialog_) {
        made(rectifierDialog_, languageName_, mainWindow_.get());
        QObject::connect(rectifierDialog_.get(), &RectifierDialog::secondaryChosen,
                         mainWindow_.get(),
                         [this](int row, const QString& voltage, const QString& current) {
                             mainWindow_->enterToolFigures(SecondaryFigures{row, voltage, current});
                         });
    }
    return *rectifierDialog_;
}

WindingSheetWindow& NavivorWindows::windingSheetWindow() {
    if (!windingSheetWindow_) {
        made(windingSheetWindow_, languageName_, Desktop::instance());
        QObject::connect(windingSheetWindow_.get(), &WindingSheetWindow::wiresChosen,
                         mainWindow_.get(), [this](const QStringList& diameters) {
                             mainWindow_->enterToolFigures(WireFigures{diameters});
                         });
    }
    return *windingSheetWindow_;
}

CorePickWindow& NavivorWindows::corePickWindow() {
    if (!corePickWindow_) {
        made(corePickWindow_, languageName_, installedDataFolder(NAVIVOR_DATA_FROM_PROGRAM));
        QObject::connect(corePickWindow_.get(), &CorePickWindow::coreChosen, mainWindow_.get(),
                         [this](int section, int windowArea) {
                             mainWindow_->enterToolFigures(CoreFigures{section, windowArea});
                         });
    }
    return *corePickWindow_;
}

void NavivorWindows::connectMainWindowCommands() {
    MainWindow* main = mainWindow_.get();
    QObject::connect(main, &MainWindow::languageChooserAsked, main,
                     [this] { languageChooser().exec(); });
    QObject::connect(main, &MainWindow::aboutBoxAsked, main, [this] { aboutBox().exec(); });
    QObject::connect(main, &MainWindow::usageWindowAsked, main,
                     [this] { usageWindow().showInFront(); });
    QObject::connect(main, &MainWindow::rectifierAsked, main,
                     [this](int secondaries) { rectifierDialog().showFor(secondaries); });
    QObject::connect(main, &MainWindow::calculationToolAsked, main,
                     [this](CalculationTool tool, const LastCalculation& calculation) {
                         if (tool == CalculationTool::WindingSheet)
                             windingSheetWindow().showFor(*calculation.transformer);
                         else
                             corePickWindow().showFor(calculation.design,
                                                      calculation.laminationThickness);
                     });
}

} // namespace navivor
