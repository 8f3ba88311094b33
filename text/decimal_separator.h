// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide decimal separator used by every number conversion and by the key
// filters of the input fields. It is one character, held as its UTF-8 text.
#pragma once

#include <string>
#include <string_view>

namespace navivor {

const std::string& decimalSeparator();

// Sets the separator; a text that is not a valid separator gives ".".
void setDecimalSeparator(std::string_view separator);

// The decimal symbol of the user's locale (LC_ALL, LC_NUMERIC, LANG), or "." when it cannot
// be read, is not a valid separator, or has no character in Windows-1251: the saved report
// and the language and settings files are in that code page, so a separator it lacks would
// be saved as "?" while the window shows it.
std::string localeDecimalSeparator();

// True when the text is one character that Windows-1251 holds, so it is saved as itself.
bool isCp1251Character(std::string_view text);

// True when the text is exactly one well-formed UTF-8 encoded character that shows as itself
// in a number text: printable, not combining, not blank, and none of the digits, signs or
// exponent letters.
bool isValidDecimalSeparator(std::string_view text);

} // namespace navivor
