// SPDX-License-Identifier: GPL-3.0-or-later
// Where an installation keeps the files its programs read beside the ones of the current
// directory: the language files and the lamination series.
#pragma once

#include <string>
#include <string_view>

namespace navivor {

// The data folder share/navivor/ of the installation that holds the running program, ending in
// '/': fromProgramFolder leads there from the folder the program lies in (bin/ for
// navivor-calc, libexec/navivor/ for the desktop program). The current directory when the
// running program cannot be found.
std::string installedDataFolder(std::string_view fromProgramFolder);

} // namespace navivor
