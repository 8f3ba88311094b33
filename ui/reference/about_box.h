// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's name, version and rights notice, and the address to write to,
// shown modally.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace navivor {

class Desktop;
class Picture;
class StaticText;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // The mail command goes through the desktop; the parent is the window the box stays above.
    AboutBox(Desktop& desktop, QWidget* parent);

    // The address of the makers, shown and written to.
    static constexpr const char* kMailAddress = "navivor@example.org";

    // Shown modally: centred the first time, then where the user left it.
    int exec() override;

private:
    void writeToAuthor(); // the mail address: a new message to it

    Desktop& desktop_;
    bool shownBefore_ = false;

    QFrame* panel_;
    Picture* programIcon_;
    QLabel* productName_;
    QLabel* version_;
    QLabel* copyright_;
    StaticText* mailAddress_;
    QPushButton* okButton_;
};

} // namespace navivor
