// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc's output for scripts: one design's inputs and results as one JSON object, or
// the failure of one line of a batch.
#pragma once

#include "calc/rectifier.h"
#include "calc/report_lines.h"
#include "calc/winding_design.h"
#include "calc/winding_sheet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace navivor::cli {

// A secondary given as the DC supply behind a rectifier, and the winding that supply needs.
struct DcSecondary {
    RectifierInput input;
    SecondaryForRectifier winding;
};

// The winding sheet with the core and allowances it was worked out for.
struct SheetResult {
    CoreGeometry core;
    WindingAllowances allowances;
    WindingSheet sheet;
};

// The object, without a line end, for a design whose calculation ended normally. The design
// is taken as the presses left its cells; the diameters as given on the command line. Every
// figure of the report is its own text with a full stop as its decimal point; the figures
// the report does not show (the rectifier's, the winding sheet's) are the shortest numbers
// that read back exactly, all finite, as the calculations leave them. dcSecondaries runs
// parallel to the design's secondaries, empty for those given as AC windings.
std::string designJson(const WindingDesign& design, std::string_view thickness,
                       const std::vector<std::string>& diameters,
                       const std::vector<std::optional<DcSecondary>>& dcSecondaries,
                       bool coreSufficient, const ReportFigures& figures,
                       const std::optional<SheetResult>& sheet);

// The object for a line of a batch that gave no design: the message the design alone would
// have shown, and the line's number counted from 1.
std::string errorJson(std::string_view message, std::size_t lineNumber);

} // namespace navivor::cli
