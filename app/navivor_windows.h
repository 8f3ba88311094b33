// The windows of the program, created in a fixed order at start-up and destroyed in the
// reverse order at the end. Each window's creation may use the windows made before it.
// A window that cannot be built fails the whole construction: there is no program without it.
#pragma once

#include "ui/language/Unit5.h"
#include "ui/main/Unit1.h"
#include "ui/program_windows.h"
#include "ui/reference/Unit2.h"
#include "ui/reference/Unit4.h"
#include "ui/results/Unit3.h"
#include "ui/workshop/rectifier_form.h"
#include "ui/workshop/winding_sheet_form.h"

#include <memory>

namespace navivor {

class NavivorWindows {
public:
    NavivorWindows();

    // The windows in the order they were made.
    const QList<QWidget*>& inCreationOrder() const { return windows_.inCreationOrder; }

    // Declared in creation order, so they are destroyed last first.
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TResult> Result;
    std::unique_ptr<TLangForm> LangForm;
    std::unique_ptr<TInfo> Info;
    // The bench tools come after the five windows of the calculation.
    std::unique_ptr<TRectifierForm> RectifierForm;
    std::unique_ptr<TWindingSheetForm> WindingSheetForm;

private:
    // Makes the window, keeps it, and lists it in the program's windows.
    template <typename Window, typename... Arguments>
    void create(std::unique_ptr<Window>& owner, Window*& listed, Arguments&&... arguments) {
        owner = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
        listed = owner.get();
        windows_.inCreationOrder.append(owner.get());
    }

    ProgramWindows windows_;
};

} // namespace navivor
