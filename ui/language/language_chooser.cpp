// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/language_chooser.h"

#include "ui/desktop/failure_box.h"
#include "ui/language/language_in_force.h"
#include "ui/widgets/window_builders.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace navivor {
namespace {

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText("LangForm", key);
}

} // namespace

LanguageChooser::LanguageChooser(LanguageInForce& language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly) {
    setUpWindow(this, "LangForm", caption("LangForm"), {252, 96});
    setFont(designFont("MS Sans Serif", 11));
    move(348, 159);
    QLabel* title = makeLabel(this, "Lang", caption("Lang"), {15, 12, 193, 16});
    nameField_ = new QComboBox(this);
    nameField_->setObjectName("LangList");
    nameField_->setEditable(true);
    nameField_->setGeometry(17, 32, 217, 21);
    nameField_->addItems(language.listed());
    nameField_->setEditText(language.name());
    connect(nameField_, &QComboBox::editTextChanged, &language, &LanguageInForce::setName);
    QPushButton* applyButton =
        makePushButton(this, "Button1", caption("Button1"), {43, 63, 75, 25});
    QPushButton* closeButton =
        makePushButton(this, "Button2", caption("Button2"), {131, 63, 75, 25});
    for (QWidget* captioned : std::initializer_list<QWidget*>{title, applyButton, closeButton})
        captioned->setFont(designFont("Arial", 13, true));
    connect(applyButton, &QPushButton::clicked, this,
            reportingFailures([&language] { language.apply(); }));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString LanguageChooser::languageName() const {
    return nameField_->currentText();
}

} // namespace navivor
