// navivor-calc's output for scripts: one design's inputs and results as one JSON object.
#pragma once

#include "calc/report_lines.h"
#include "calc/winding_design.h"

#include <string>
#include <string_view>
#include <vector>

namespace navivor::cli {

// The object, without a line end, for a design whose calculation ended normally. The design
// is taken as the presses left its cells; the diameters as given on the command line. Every
// number is the figure's own text with a full stop as its decimal point.
std::string designJson(const WindingDesign& design, std::string_view thickness,
                       const std::vector<std::string>& diameters, bool coreSufficient,
                       const ReportFigures& figures);

} // namespace navivor::cli
