// SPDX-License-Identifier: GPL-3.0-or-later
// The core pick as navivor-calc prints it: one line a core, smallest first, then the pick.
#pragma once

#include "core_choice.h"
#include "winding_calculation.h"

#include <string>
#include <vector>

namespace navivor {

// text gives the Core texts of the language's [WindingSheetForm] section; choices holds one
// at least.
std::vector<std::string> coreChoiceLines(const std::vector<CoreChoice>& choices,
                                         const MessageLookup& text);

} // namespace navivor
