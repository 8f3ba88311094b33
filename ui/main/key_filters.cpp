// The character filters of the number fields: digits, backspace and the decimal separator
// pass; everything else typed is dropped without a sound.
#include "ui/main/Unit1.h"
#include "ui/widgets/character_filter.h"

namespace navivor {

void TMainForm::SG1KeyPress(QChar& key) {
    keepNumberCharacter(key);
}

void TMainForm::SG2KeyPress(QChar& key) {
    keepNumberCharacter(key);
}

} // namespace navivor
