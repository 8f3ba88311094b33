// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between numbers and the texts the user types and the report shows, with the
// process-wide decimal separator and no thousands separator.
#pragma once

#include "text/extended_arithmetic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace navivor {

// Blanks, optional sign, digits with at most one decimal separator, optional exponent,
// blanks. Raises the conversion failure for anything else or a value too large for extended.
Extended textToNumber(std::string_view text);

// General format with 15 significant digits: plain form for decimal exponents -3 to 15,
// scientific form ("1,5E-5", "1E15") beyond; zero and denormals give "0".
std::string numberToText(Extended value);

std::string integerToText(std::int32_t value);

// Fixed notation with the decimals given and the separator in force ("12,40"); from 1E15 on
// the number text's scientific form, and "-" for a value that is not finite.
std::string fixedText(double value, int decimals);
// The same with the zeros after the last significant decimal dropped, and the separator
// with them ("11,2", "18"): as a value is typed into a field.
std::string trimmedFixedText(double value, int decimals);

// Leading blanks, then a signed decimal or an unsigned hexadecimal form ("$2A", "x2A",
// "0x2A", up to eight digits taken as a 32-bit pattern); nothing for any other text.
std::optional<std::int32_t> parseInteger(std::string_view text);
// The same, raising the integer conversion failure for any other text.
std::int32_t textToInteger(std::string_view text);

} // namespace navivor
