#include "app/navivor_windows.h"

#include "ui/desktop/failure_box.h"

#include <exception>

namespace navivor {
namespace {

// A failure while a window is created is shown like any other, and start-up goes on.
template <typename Create> void creating(Create create) {
    try {
        create();
    } catch (const std::exception& failure) {
        showFailureBox(QString::fromUtf8(failure.what()));
    }
}

} // namespace

NavivorWindows::NavivorWindows() {
    creating([&] { MainForm = std::make_unique<TMainForm>(); });
    creating([&] { AboutBox = std::make_unique<TAboutBox>(MainForm.get()); });
    creating([&] { Result = std::make_unique<TResult>(); });
    creating([&] { LangForm = std::make_unique<TLangForm>(MainForm.get()); });
    creating([&] { Info = std::make_unique<TInfo>(); });
    MainForm->connectWindows(AboutBox.get(), Result.get(), LangForm.get(), Info.get());
}

} // namespace navivor
