#include "app/navivor_windows.h"

#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"

namespace navivor {

// A failure in a window's creation step is shown like any other, and start-up goes on: the
// window itself exists all the same.
NavivorWindows::NavivorWindows() {
    create(MainForm, windows_.MainForm, windows_, Desktop::instance());
    showingFailures([this] { MainForm->FormCreate(); });
    create(AboutBox, windows_.AboutBox, Desktop::instance(), MainForm.get());
    create(Result, windows_.Result, Desktop::instance());
    // Closing the results window is the main window's results-close reset.
    QObject::connect(Result.get(), &TResult::closing, MainForm.get(),
                     reportingFailures([this] { MainForm->ResultFormClose(); }));
    create(LangForm, windows_.LangForm, windows_, MainForm.get());
    QObject::connect(LangForm.get(), &TLangForm::languageApplied, MainForm.get(),
                     [this](const QString& language) { MainForm->languageApplied(language); });
    showingFailures([this] { LangForm->FormCreate(); });
    create(Info, windows_.Info);
    QObject::connect(LangForm.get(), &TLangForm::languageApplied, Info.get(),
                     [this](const QString& language) { Info->useLanguage(language); });
    create(RectifierForm, windows_.RectifierForm, windows_, MainForm.get());
    QObject::connect(RectifierForm.get(), &TRectifierForm::secondaryChosen, MainForm.get(),
                     [this](int row, const QString& voltage, const QString& current) {
                         MainForm->enterSecondary(row, voltage, current);
                     });
    create(WindingSheetForm, windows_.WindingSheetForm, windows_, Desktop::instance());
    // The saved language was applied before these windows existed.
    for (QWidget* later :
         {static_cast<QWidget*>(Info.get()), static_cast<QWidget*>(RectifierForm.get()),
          static_cast<QWidget*>(WindingSheetForm.get())})
        LangForm->applyToLaterWindow(later);
    Info->useLanguage(LangForm->languageName());
}

} // namespace navivor
