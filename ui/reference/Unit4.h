// The usage-text window: how to use the program, shown beside the main window. The text is
// the same in every language; only the caption and the button follow a language file.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace navivor {

class TInfo : public QWidget {
    Q_OBJECT
public:
    explicit TInfo(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front where it is already shown.
    void showInFront();

    QPlainTextEdit* Memo1;
    QPushButton* Button1;
};

} // namespace navivor
