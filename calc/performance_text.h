// SPDX-License-Identifier: GPL-3.0-or-later
// The "will it work" lines that follow the winding sheet, and the lines of a smoothed
// rectifier, each after its text from the language, numbers with the separator in force.
#pragma once

#include "rectifier_simulation.h"
#include "sheet_performance.h"

#include <string>
#include <vector>

namespace navivor {

// text gives the texts of the language's [WindingSheetForm] section.
std::vector<std::string> performanceLines(const PerformanceInputs& inputs,
                                          const SheetPerformance& performance,
                                          const MessageLookup& text);

// text gives the texts of the language's [RectifierForm] section.
std::vector<std::string> smoothedRectifierLines(const RectifierInput& input,
                                                const RectifierSource& source,
                                                const SmoothedRectifier& rectifier,
                                                const MessageLookup& text);

} // namespace navivor
