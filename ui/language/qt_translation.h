// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (the buttons of message boxes, the file, font, colour and print dialogs) in
// the locale the language in force names, so that they speak the program's language.
#pragma once

#include <string>

namespace navivor {

// Installs Qt's translation for the locale ("uk", "ru") where Qt has one, in place of the one
// installed before; English, an unknown locale or one Qt has no translation for leaves Qt's
// own English texts.
void useQtTranslation(const std::string& locale);

} // namespace navivor
