// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc --batch: designs read from standard input, one JSON object a line, each
// answered by one line of JSON.
#pragma once

#include "cli/command_line.h"
#include "cli/standard_streams.h"

#include <vector>

namespace navivor::cli {

// The longest line a batch reads; a longer one is answered by an error and skipped.
inline constexpr std::size_t kLongestBatchLine = 1024 * 1024;

// Runs the design of every line that is not blank, with the options of the command line (as
// given, --batch among them) beside the line's own, and writes for each its JSON object or
// its error. The exit status is the highest a line would have given alone: 0 when every line
// gave its design.
int runBatch(const std::vector<GivenOption>& commandLine, StandardOutput& output);

} // namespace navivor::cli
