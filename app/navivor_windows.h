// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the program. The main window and the language in force are made at start-up;
// every other window, the language chooser too, when it is first needed, with the language in
// force applied as the start-up walk would have applied it. They are destroyed in the reverse
// order of their declaration here.
// A window that cannot be built fails its making: there is no program without it.
#pragma once

#include "ui/current_language.h"
#include "ui/language/language_chooser.h"
#include "ui/language/language_in_force.h"
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
    ~NavivorWindows();

    // The windows made so far, in the order they were made; the language walk walks it.
    const QList<QWidget*>& inCreationOrder() const { return inCreationOrder_; }

    MainWindow& mainWindow() const { return *mainWindow_; }
    LanguageChooser& languageChooser();
    AboutBox& aboutBox();
    ResultsWindow& resultsWindow();
    UsageWindow& usageWindow();
    // The bench tools of the "Сервис" menu.
    RectifierDialog& rectifierDialog();
    WindingSheetWindow& windingSheetWindow();
    CorePickWindow& corePickWindow();

private:
    // Makes the window unless it exists, keeps it, lists it for the language walk and gives
    // it the language in force.
    template <typename Window, typename... Arguments>
    Window& made(std::unique_ptr<Window>& owner, Arguments&&... arguments) {
        if (!owner) {
            owner = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
            inCreationOrder_.append(owner.get());
            language_->applyToLaterWindow(owner.get());
        }
        return *owner;
    }
    // The main window's commands for the other windows.
    void connectMainWindowCommands();

    // The name of the language in force, for the windows made before it.
    CurrentLanguage languageName_;
    QList<QWidget*> inCreationOrder_;
    // Declared in the designed order of creation, so they are destroyed last first.
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
    std::unique_ptr<LanguageInForce> language_;
    std::unique_ptr<LanguageChooser> languageChooser_;
    std::unique_ptr<UsageWindow> usageWindow_;
    std::unique_ptr<RectifierDialog> rectifierDialog_;
    std::unique_ptr<WindingSheetWindow> windingSheetWindow_;
    std::unique_ptr<CorePickWindow> corePickWindow_;
};

} // namespace navivor
