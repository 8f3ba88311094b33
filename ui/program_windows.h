// The windows of the program as far as they exist: the five of the calculation, then the
// bench tools. A window is handed this when it is
// made and finds the windows made after it here by the time its handlers run.
#pragma once

#include <QList>

class QWidget;

namespace navivor {

class TAboutBox;
class TInfo;
class TLangForm;
class TMainForm;
class TRectifierForm;
class TResult;
class TWindingSheetForm;

struct ProgramWindows {
    TMainForm* MainForm = nullptr;
    TAboutBox* AboutBox = nullptr;
    TResult* Result = nullptr;
    TLangForm* LangForm = nullptr;
    TInfo* Info = nullptr;
    TRectifierForm* RectifierForm = nullptr;
    TWindingSheetForm* WindingSheetForm = nullptr;
    // The same windows in the order they were made, as the language walk visits them.
    QList<QWidget*> inCreationOrder;
};

} // namespace navivor
