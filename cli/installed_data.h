// SPDX-License-Identifier: GPL-3.0-or-later
// Where an installation keeps the files navivor-calc reads beside the ones of the current
// directory: the language files and the lamination series.
#pragma once

#include <string>

namespace navivor::cli {

// share/navivor/ beside the bin/ folder that holds the running program, ending in '/'; the
// current directory when the running program cannot be found.
std::string installedDataFolder();

} // namespace navivor::cli
