// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workshop/number_field.h"

#include "text/number_text.h"
#include "ui/widgets/character_filter.h"

#include <QLineEdit>

namespace navivor {

QLineEdit* makeNumberField(QWidget* parent, const QString& name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    new CharacterFilter(edit, keepNumberOrCommandCharacter);
    edit->setAcceptDrops(false);
    return edit;
}

double fieldValue(const QLineEdit* field) {
    return toDouble(textToNumber(field->text().toStdString()));
}

} // namespace navivor
