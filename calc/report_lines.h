// SPDX-License-Identifier: GPL-3.0-or-later
// What a calculation did to the report: whether it cleared it first, and the lines it
// appended in order. On a failure it holds what was done up to that point.
#pragma once

#include <string>
#include <vector>

namespace navivor {

// The figures of one winding, as its report lines show them.
struct WindingFigures {
    std::string turns;
    std::string diameter;
};

// The numbers behind the report, as number texts with the separator in force: each is the
// very text its line shows, taken as the line is composed, so a caller that hands the results
// on (navivor-calc's JSON) can never disagree with the report. The induction factor and the
// turns per volt are not shown but written the same way. An empty text was not reached.
struct ReportFigures {
    std::string loadPower;
    std::string induction;
    std::string turnsPerVolt;                // sufficient core only
    std::string smallestSection;             // insufficient core only
    WindingFigures primary;                  // sufficient core only
    std::vector<WindingFigures> secondaries; // sufficient core only, in order
    std::string fillPercent;                 // fill check, window large enough
    std::string windowAreaNeeded;            // fill check, window too small
};

struct ReportLines {
    bool cleared = false;
    std::vector<std::string> lines;
    ReportFigures figures;

    // The figures belong to the lines, so they start over with them.
    void clear() {
        cleared = true;
        lines.clear();
        figures = {};
    }
    void append(std::string line) { lines.push_back(std::move(line)); }
};

} // namespace navivor
