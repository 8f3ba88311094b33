// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1251 code page of the language files, the settings file and saved reports.
// Inside the program every text is UTF-8; this codec converts at the file boundary.
#pragma once

#include <string>
#include <string_view>

namespace navivor {

// Every byte has a character; 0x98, unassigned in the code page, stands for U+0098 so that
// any file survives a round trip unchanged.
std::string decodeCp1251(std::string_view bytes);

// Characters outside the code page, and malformed UTF-8, become "?".
std::string encodeCp1251(std::string_view utf8);

} // namespace navivor
