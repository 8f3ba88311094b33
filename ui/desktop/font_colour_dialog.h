// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog with a text colour choice, which Qt's own font dialog lacks: Qt's dialog
// embedded as a page, a colour button under it, OK and Cancel.
#pragma once

#include "ui/desktop/desktop.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

namespace navivor {

class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColourDialog(const FontChoice& initial, QWidget* parent = nullptr);

    FontChoice choice() const;

    // The page listing the fonts and the button choosing the colour, for tests.
    QFontDialog* fontPage() const { return fonts_; }
    QPushButton* colourButton() const { return colourButton_; }

private:
    void chooseColour();
    void showColour();

    QFontDialog* fonts_;
    QPushButton* colourButton_;
    QColor colour_;
};

} // namespace navivor
