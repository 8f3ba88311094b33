// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of navivor-calc: one design, the optional chosen diameters and winding
// sheet, and how to read and write numbers and texts.
#pragma once

#include "calc/rectifier.h"
#include "text/failure.h"

#include <optional>
#include <string>
#include <vector>

namespace navivor::cli {

struct SecondaryOption {
    std::string voltage;
    std::string current;
    // Set for a --dc winding: voltage and current are then the DC supply wanted behind this
    // rectifier, and the winding's cells are worked out from them.
    std::optional<RectifierKind> rectifier;
};

// The winding sheet's figures as typed; each one not given keeps the standard core's figure
// or the default allowance.
struct SheetOptions {
    std::optional<std::string> tongueWidth;
    std::optional<std::string> stackHeight;
    std::optional<std::string> windowWidth;
    std::optional<std::string> windowHeight;
    std::optional<std::string> sparePercent;
    std::optional<std::string> workingTemperature;
    std::optional<std::string> bobbinWall;
    std::optional<std::string> layerTape;
};

enum class OutputFormat { Report, Json };

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string primary = "220";
    std::vector<SecondaryOption> secondaries; // empty: the one default winding 12 V 2 A
    std::optional<std::string> diodeDrop;     // for the --dc windings; default 1
    std::optional<std::string> headroom;      // for the --dc windings; default 0
    std::string frequency = "50";
    std::string core = "1";
    std::string window = "1";
    std::optional<std::string> thickness; // default: 0.1 with the separator in force
    std::vector<std::string> diameters;
    std::optional<std::string> language;  // a file name in lang/ without ".ini"; default: built-in
    std::optional<std::string> separator; // default: the locale's
    bool cp1251Output = false;
    OutputFormat format = OutputFormat::Report;
    bool windingSheet = false;
    SheetOptions sheet;
};

// How an option takes its value.
enum class OptionKind { Flag, Value, RepeatedValue };

// One option as given: its long name with the dashes, and its value (empty for a flag).
struct GivenOption {
    std::string name;
    std::string value;
};

// Raised for a command line that cannot be run; the message explains it.
struct UsageError : Failure {
    using Failure::Failure;
};

// The options of the arguments in order, "--name=value" split. Raises UsageError for an
// unknown option or a missing value.
std::vector<GivenOption> givenOptions(const std::vector<std::string>& arguments);

// The command line the options make, each value and their combination checked: a later value
// of a single-valued option replaces an earlier one.
CommandLine commandLineOf(const std::vector<GivenOption>& options);

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

// What a usage error adds to its message.
extern const char* const kUsageHint;

} // namespace navivor::cli
