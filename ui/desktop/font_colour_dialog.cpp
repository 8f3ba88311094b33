// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/font_colour_dialog.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace navivor {

FontColourDialog::FontColourDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent)
    , fonts_(new QFontDialog(initial.font, this))
    // Qt's own text of its colour dialog, so the button speaks the language of Qt's dialogs.
    , colourButton_(new QPushButton(
          QCoreApplication::translate("QColorDialog", "Select Color") + "...", this))
    , colour_(initial.colour) {
    // Enter confirms the dialog wherever the focus is, as in Qt's own font dialog.
    colourButton_->setAutoDefault(false);
    // A dialog shown as a plain child widget: its own buttons give way to ours.
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    setWindowTitle(fonts_->windowTitle());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourButton_);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);

    connect(colourButton_, &QPushButton::clicked, this, &FontColourDialog::chooseColour);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Escape in the page would hide the page alone; let it cancel the whole dialog.
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
    showColour();
}

FontChoice FontColourDialog::choice() const {
    return {fonts_->currentFont(), colour_};
}

void FontColourDialog::chooseColour() {
    const QColor colour = QColorDialog::getColor(colour_, this);
    if (!colour.isValid())
        return;
    colour_ = colour;
    showColour();
}

void FontColourDialog::showColour() {
    QPixmap swatch(16, 16);
    swatch.fill(colour_);
    colourButton_->setIcon(swatch);
}

} // namespace navivor
