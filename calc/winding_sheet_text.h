// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet as the window shows it and navivor-calc prints it: one line a figure,
// each after its text from the language, numbers with the separator in force.
#pragma once

#include "winding_calculation.h"
#include "winding_sheet.h"

#include <string>
#include <vector>

namespace navivor {

// text gives the Sheet texts of the language's [WindingSheetForm] section.
std::vector<std::string> windingSheetLines(const CoreGeometry& core,
                                           const WindingAllowances& allowances,
                                           const WindingSheet& sheet, const MessageLookup& text);

} // namespace navivor
