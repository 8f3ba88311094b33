// SPDX-License-Identifier: GPL-3.0-or-later
// The language chooser: a name field that lists the language files and edits the name of the
// language in force, and the apply action that walks every window with it.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;

namespace navivor {

class LanguageInForce;

class LanguageChooser : public QDialog {
    Q_OBJECT
public:
    // The parent is the window the chooser stays above.
    LanguageChooser(LanguageInForce& language, QWidget* parent);

    // The text of the name field: a listed name, or whatever the user typed.
    QString languageName() const;

private:
    QComboBox* nameField_;
};

} // namespace navivor
