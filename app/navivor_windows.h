// The five windows of the program, created in a fixed order at start-up and destroyed in the
// reverse order at the end. Each window's creation may use the windows made before it.
// A window that cannot be built fails the whole construction: there is no program without it.
#pragma once

#include "i18n/Unit5.h"
#include "ui/main/Unit1.h"
#include "ui/reference/Unit2.h"
#include "ui/reference/Unit4.h"
#include "ui/results/Unit3.h"

#include <memory>

namespace navivor {

struct NavivorWindows {
    NavivorWindows();

    // Declared in creation order, so they are destroyed last first.
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TResult> Result;
    std::unique_ptr<TLangForm> LangForm;
    std::unique_ptr<TInfo> Info;
};

} // namespace navivor
