// SPDX-License-Identifier: GPL-3.0-or-later
// The number fields of the bench tools: one-line edits that take digits and the decimal
// separator while Enter, Escape and the clipboard chords keep their work.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace navivor {

QLineEdit* makeNumberField(QWidget* parent, const QString& name, const QString& text = {});

// The field's number; raises the Failure of a text that is none.
double fieldValue(const QLineEdit* field);

} // namespace navivor
