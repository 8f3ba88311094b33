// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of navivor-calc: one design, the optional chosen diameters and winding
// sheet, and how to read and write numbers and texts; or a batch of designs, each line of
// which gives options of its own.
#pragma once

#include "calc/rectifier.h"
#include "text/failure.h"

#include <optional>
#include <string>
#include <string_view>
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
    std::optional<std::string> steel; // a grade's name; default: by the lamination thickness
    std::optional<std::string> ambient;
    std::optional<std::string> insulationClass;
    std::optional<std::string> bulge;
    std::optional<std::string> interWinding;
    std::optional<std::string> outerWrap;
};

enum class OutputFormat { Report, Json };

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string primary = "220";
    std::vector<SecondaryOption> secondaries; // empty: the one default winding 12 V 2 A
    std::optional<std::string> diodeDrop;     // for the --dc windings; default 1
    std::optional<std::string> headroom;      // for the --dc windings; default 0
    std::optional<std::string> capacitance;   // uF for the --dc windings; default: from ripple
    std::optional<std::string> ripple;        // V for the --dc windings; default 10 % of DC
    std::string frequency = "50";
    std::string core = "1";
    std::string window = "1";
    std::optional<std::string> thickness; // default: 0.1 with the separator in force
    std::vector<std::string> diameters;
    std::optional<std::string> language;  // a file name in lang/ without ".ini"; default: built-in
    std::optional<std::string> separator; // default: the locale's
    bool cp1251Output = false;
    std::optional<OutputFormat> format; // default: the report
    bool windingSheet = false;
    SheetOptions sheet;
    bool standardWire = false; // round each wire not chosen up to the standard diameter
    bool pickCore = false;     // list the cores of the lamination series that hold the windings
    bool batch = false;
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
// of a single-valued option replaces an earlier one. With --batch only the options of the
// whole run are checked together; each line's design is checked with its own options.
CommandLine commandLineOf(const std::vector<GivenOption>& options);

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The kind of the option a line of a batch may give, by its long name with the dashes;
// nothing for a name that is no such option (--help, --version, --batch, --format and
// --encoding are the whole run's).
std::optional<OptionKind> designOptionKind(std::string_view name);

// The options of one line of a batch: those of the command line, less each one the line
// names (a repeated option's whole list, --secondary and --dc making the one list of
// windings) and less each one the line's design has nothing for (--diode-drop and --headroom
// without a --dc, the sheet's figures without --winding-sheet); then the line's options.
// lineNames holds the long name of each key of the line, one with an empty list among them.
std::vector<GivenOption> batchLineOptions(const std::vector<GivenOption>& commandLine,
                                          const std::vector<std::string>& lineNames,
                                          const std::vector<GivenOption>& line);

extern const char* const kUsage;

// What a usage error adds to its message.
extern const char* const kUsageHint;

} // namespace navivor::cli
