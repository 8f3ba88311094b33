// SPDX-License-Identifier: GPL-3.0-or-later
// Kinds of their own for texts and pictures that are drawn like labels but are no labels: the
// language walk changes labels, found by their exact kind, and must leave these alone.
#pragma once

#include <QLabel>

namespace navivor {

// A title or link text that no language file changes.
class StaticText : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// A picture stretched to its box.
class Picture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

} // namespace navivor
