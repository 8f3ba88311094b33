// SPDX-License-Identifier: GPL-3.0-or-later
// The winding behind a rectifier as the simulation needs it: from a winding sheet where one
// exists, else estimated from the program's own design of that winding alone.
#pragma once

#include "rectifier.h"
#include "rectifier_simulation.h"
#include "winding_sheet.h"

namespace navivor {

// Secondary k (from 0) of the sheet: its unloaded voltage, and its hot resistance with the
// primary's referred through the turns ratio.
RectifierSource sheetSource(const WindingSheet& sheet, std::size_t secondary, double frequency);

// The winding designed by the program on its own: a 220 V 50 Hz primary and this one
// secondary on the least core section the calculation accepts, of the standard shape, with
// the default allowances. messages and sheetText give the texts of the language's
// [Messages] and [WindingSheetForm] sections; a design the calculation refuses raises its
// failure.
RectifierSource estimatedSource(const SecondaryForRectifier& winding, const MessageLookup& messages,
                                const MessageLookup& sheetText);

} // namespace navivor
