// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the program, created in a fixed order at start-up and destroyed in the
// reverse order at the end. Each window's creation may use the windows made before it.
// A window that cannot be built fails the whole construction: there is no program without it.
#pragma once

#include "ui/current_language.h"
#include "ui/language/language_chooser.h"
#include "ui/main/main_window.h"
#include "ui/reference/about_box.h"
#include "ui/reference/usage_window.h"
#include "ui/results/results_window.h"
#include "ui/workshop/core_pick_window.h"
#include "ui/workshop/rectifier_dialog.h"
#include "ui/workshop/winding_sheet_window.h"

#include <memory>

namespace navivor {

class NavivorWindows {
public:
    NavivorWindows();

    // The windows in the order they were made.
    const QList<QWidget*>& inCreationOrder() const { return inCreationOrder_; }

    // Declared in creation order, so they are destroyed last first.
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<AboutBox> aboutBox;
    std::unique_ptr<ResultsWindow> resultsWindow;
    std::unique_ptr<LanguageChooser> languageChooser;
    std::unique_ptr<UsageWindow> usageWindow;
    // The bench tools come after the five windows of the calculation.
    std::unique_ptr<RectifierDialog> rectifierDialog;
    std::unique_ptr<WindingSheetWindow> windingSheetWindow;
    std::unique_ptr<CorePickWindow> corePickWindow;

private:
    // Makes the window, keeps it, and lists it for the language walk.
    template <typename Window, typename... Arguments>
    void create(std::unique_ptr<Window>& owner, Arguments&&... arguments) {
        owner = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
        inCreationOrder_.append(owner.get());
    }
    // The language in force, for the windows made before the chooser that knows it.
    QString currentLanguage() const;
    // The main window's commands for the windows made after it.
    void connectMainWindowCommands();

    QList<QWidget*> inCreationOrder_;
};

} // namespace navivor
