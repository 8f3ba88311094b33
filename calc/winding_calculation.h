// SPDX-License-Identifier: GPL-3.0-or-later
// The winding calculation: load power, induction factor, core check and, for a large
// enough core, the turns and wire diameter of every winding.
#pragma once

#include "report_lines.h"
#include "turn_store.h"
#include "winding_design.h"

#include <functional>
#include <string>
#include <string_view>

namespace navivor {

// The text of a key of the language's [Messages] section, or its built-in text.
using MessageLookup = std::function<std::string(std::string_view key)>;

enum class WindingOutcome { CoreSufficient, CoreInsufficient };

// Clears the report and writes the winding report. Empty voltage and current cells of the
// design become "0"; a sufficient core fills the turn store. A failure is raised after
// exactly the changes made up to it.
WindingOutcome runWindingCalculation(WindingDesign& design, TurnStore& store,
                                     const MessageLookup& text, ReportLines& report);

} // namespace navivor
