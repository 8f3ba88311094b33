#include "app/navivor_windows.h"

#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"

namespace navivor {

// A failure in a window's creation step is shown like any other, and start-up goes on: the
// window itself exists all the same.
NavivorWindows::NavivorWindows() {
    create(mainWindow, windows_.mainWindow, windows_, Desktop::instance());
    showingFailures([this] { mainWindow->runCreationStep(); });
    create(aboutBox, windows_.aboutBox, Desktop::instance(), mainWindow.get());
    create(resultsWindow, windows_.resultsWindow, Desktop::instance());
    // Closing the results window is the main window's results-close reset.
    QObject::connect(resultsWindow.get(), &ResultsWindow::closing, mainWindow.get(),
                     reportingFailures([this] { mainWindow->resultsClosed(); }));
    create(languageChooser, windows_.languageChooser, windows_, mainWindow.get());
    QObject::connect(languageChooser.get(), &LanguageChooser::languageApplied, mainWindow.get(),
                     [this](const QString& language) { mainWindow->languageApplied(language); });
    showingFailures([this] { languageChooser->runCreationStep(); });
    create(usageWindow, windows_.usageWindow);
    QObject::connect(languageChooser.get(), &LanguageChooser::languageApplied, usageWindow.get(),
                     [this](const QString& language) { usageWindow->useLanguage(language); });
    create(rectifierDialog, windows_.rectifierDialog, windows_, mainWindow.get());
    QObject::connect(rectifierDialog.get(), &RectifierDialog::secondaryChosen, mainWindow.get(),
                     [this](int row, const QString& voltage, const QString& current) {
                         mainWindow->enterSecondary(row, voltage, current);
                     });
    create(windingSheetWindow, windows_.windingSheetWindow, windows_, Desktop::instance());
    // The saved language was applied before these windows existed.
    for (QWidget* later :
         {static_cast<QWidget*>(usageWindow.get()), static_cast<QWidget*>(rectifierDialog.get()),
          static_cast<QWidget*>(windingSheetWindow.get())})
        languageChooser->applyToLaterWindow(later);
    usageWindow->useLanguage(languageChooser->languageName());
}

} // namespace navivor
