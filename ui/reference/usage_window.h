// SPDX-License-Identifier: GPL-3.0-or-later
// The usage-text window: how to use the program, shown beside the main window. A language may
// bring its own text beside its file (lang/English.txt for lang/English.ini); without one the
// built-in Russian text is shown.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace navivor {

class UsageWindow : public QWidget {
    Q_OBJECT
public:
    explicit UsageWindow(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front where it is already shown.
    void showInFront();
    // Shows the usage text of the language: its own, else the built-in one.
    void useLanguage(const QString& languageName);

private:
    QPlainTextEdit* textView_;
    QPushButton* okButton_;
};

} // namespace navivor
