// SPDX-License-Identifier: GPL-3.0-or-later
// One design of navivor-calc: the calculations of the calculate button, one press followed
// by a second press when chosen diameters are given, and the winding sheet when asked for.
#pragma once

#include "cli/command_line.h"
#include "i18n/language_file.h"

#include <string>

namespace navivor::cli {

enum ExitStatus { kReportPrinted = 0, kCalculationFailed = 1, kUsageError = 2 };

struct DesignOutcome {
    ExitStatus status;
    // What goes to standard output: the report, or the JSON object with its line end. After
    // a failure, the report lines written before it (never part of a JSON object).
    std::string out;
    // What goes to standard error when the status is not 0; a usage error's message without
    // the program's name.
    std::string message;
};

// The design of the command line with the texts of its language. Sets the decimal separator
// when the command line gives one; the calculations keep no other state from one design to
// the next.
DesignOutcome runDesign(const CommandLine& line, const LanguageTexts& texts);

} // namespace navivor::cli
