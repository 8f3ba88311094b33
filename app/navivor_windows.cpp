#include "app/navivor_windows.h"

#include "ui/desktop/failure_box.h"

#include <exception>

namespace navivor {
namespace {

// A failure in a window's creation step is shown like any other, and start-up goes on: the
// window itself exists all the same.
template <typename Step> void runCreationStep(Step step) {
    try {
        step();
    } catch (const std::exception& failure) {
        showFailureBox(QString::fromUtf8(failure.what()));
    }
}

} // namespace

NavivorWindows::NavivorWindows()
    : MainForm(std::make_unique<TMainForm>()) {
    runCreationStep([this] { MainForm->FormCreate(); });
    AboutBox = std::make_unique<TAboutBox>(MainForm.get());
    Result = std::make_unique<TResult>();
    LangForm = std::make_unique<TLangForm>(MainForm.get());
    runCreationStep([this] { LangForm->FormCreate(); });
    Info = std::make_unique<TInfo>();
    MainForm->connectWindows(AboutBox.get(), Result.get(), LangForm.get(), Info.get());
}

} // namespace navivor
