// The windows of the program as far as they exist: the five of the calculation, then the
// bench tools. A window is handed this when it is
// made and finds the windows made after it here by the time its handlers run.
#pragma once

#include <QList>

class QWidget;

namespace navivor {

class AboutBox;
class UsageWindow;
class LanguageChooser;
class MainWindow;
class RectifierDialog;
class ResultsWindow;
class WindingSheetWindow;

struct ProgramWindows {
    MainWindow* mainWindow = nullptr;
    AboutBox* aboutBox = nullptr;
    ResultsWindow* resultsWindow = nullptr;
    LanguageChooser* languageChooser = nullptr;
    UsageWindow* usageWindow = nullptr;
    RectifierDialog* rectifierDialog = nullptr;
    WindingSheetWindow* windingSheetWindow = nullptr;
    // The same windows in the order they were made, as the language walk visits them.
    QList<QWidget*> inCreationOrder;
};

} // namespace navivor
