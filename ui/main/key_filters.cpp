// SPDX-License-Identifier: GPL-3.0-or-later
// The character filters of the number fields: digits, backspace and the decimal separator
// pass; everything else typed is dropped without a sound.
#include "ui/main/main_window.h"
#include "ui/widgets/character_filter.h"

namespace navivor {

void MainWindow::filterWindingsGridKey(QChar& key) {
    keepNumberCharacter(key);
}

void MainWindow::filterPrimaryKey(QChar& key) {
    keepNumberCharacter(key);
}

} // namespace navivor
