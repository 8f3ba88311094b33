// SPDX-License-Identifier: GPL-3.0-or-later
// The language files of navivor-calc: lang/NAME.ini under the current directory, as the
// desktop program reads it, or else the one installed with the program.
#pragma once

#include "i18n/language_file.h"

#include <string_view>

namespace navivor::cli {

// The language a --lang option names (checked as the command line is read: a file name
// without ".ini"). Raises UsageError when no regular file of that name is found, save for the
// built-in language, which needs none.
LanguageTexts languageOfOption(std::string_view name);

} // namespace navivor::cli
