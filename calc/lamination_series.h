// SPDX-License-Identifier: GPL-3.0-or-later
// A series of E-I laminations as the file laminations.csv beside the program lists them: the
// cores the core pick goes through.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace navivor {

// One lamination size in millimetres: the tongue (centre limb) and the window beside it.
struct Lamination {
    std::string name;
    double tongue = 0;
    double windowWidth = 0;  // across, from the tongue to the outer limb
    double windowHeight = 0; // along the tongue
};

// The series in a file's text: one lamination a line, "name;tongue;window width;window
// height" in mm with a full stop as decimal point, as a spreadsheet exports it; blank lines
// and lines starting with '#' say nothing. Raises a Failure naming the first line that is
// anything else or gives a figure outside 1 to 1000 mm, the range of the winding sheet.
std::vector<Lamination> parseLaminationSeries(std::string_view text);

// The series file the core pick reads: laminations.csv of the current directory, else the one
// in the installed data folder (ending in '/', see installedDataFolder).
std::string laminationSeriesFile(const std::string& installedDataFolder);

// The series in the file at path; a Failure names a file that cannot be read.
std::vector<Lamination> readLaminationSeries(const std::string& path);

} // namespace navivor
