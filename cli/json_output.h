// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc's output for scripts: one design's inputs and results as one JSON object, or
// the failure of one line of a batch.
#pragma once

#include "calc/core_choice.h"
#include "calc/rectifier.h"
#include "calc/rectifier_simulation.h"
#include "calc/report_lines.h"
#include "calc/sheet_performance.h"
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
    // The rectifier run in time, once the press has designed the winding.
    std::optional<SmoothedRectifier> smoothed;
    RectifierSource source;
    bool sourceEstimated = false; // the winding sheet had no row for it
};

// The winding sheet with the core and allowances it was worked out for.
struct SheetResult {
    CoreGeometry core;
    WindingAllowances allowances;
    WindingSheet sheet;
    PerformanceInputs performanceInputs;
    SheetPerformance performance;
};

// The object, without a line end, for a design whose calculation ended normally. The design
// is taken as the presses left its cells; the diameters as given on the command line. Every
// figure of the report is its own text with a full stop as its decimal point; the figures
// the report does not show (the rectifier's, the winding sheet's) are the shortest numbers
// that read back exactly, all finite, as the calculations leave them. dcSecondaries runs
// parallel to the design's secondaries, empty for those given as AC windings.
// standardDiameters gives, the primary's first, the standard diameter each winding was
// rounded up to (standardDiameterMm), none for the others; choices the core pick, if asked.
std::string designJson(const WindingDesign& design, std::string_view thickness,
                       const std::vector<std::string>& diameters,
                       const std::vector<std::optional<DcSecondary>>& dcSecondaries,
                       bool coreSufficient, const ReportFigures& figures,
                       const std::optional<SheetResult>& sheet,
                       const std::vector<std::optional<double>>& standardDiameters,
                       const std::optional<std::vector<CoreChoice>>& choices);

// The object for a line of a batch that gave no design: the message the design alone would
// have shown, and the line's number counted from 1.
std::string errorJson(std::string_view message, std::size_t lineNumber);

} // namespace navivor::cli
