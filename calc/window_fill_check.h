// SPDX-License-Identifier: GPL-3.0-or-later
// The window fill check: how much of the core window the chosen wires take, in percent, or
// the window area they would need.
#pragma once

#include "report_lines.h"
#include "turn_store.h"
#include "winding_design.h"

namespace navivor {

// Appends the fill report. Empty diameter cells of the design become "0". A failure is
// raised after exactly the lines and cells written up to it.
void runWindowFillCheck(WindingDesign& design, const TurnStore& store, ReportLines& report);

} // namespace navivor
