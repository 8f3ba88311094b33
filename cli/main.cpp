// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc: the calculations of the calculate button from the command line, for one
// design or for a batch of them read from standard input.
#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/design_run.h"
#include "cli/language_files.h"
#include "cli/standard_streams.h"
#include "text/cp1251.h"
#include "text/visible_text.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

namespace navivor::cli {
namespace {

StandardOutput standardOutput;

void printUsageError(const std::string& message) {
    printMessage("navivor-calc: " + message);
    printMessage(kUsageHint);
}

// The outcome of the one design as the command line asked for it: its message in the
// output's encoding.
int print(const DesignOutcome& outcome, bool cp1251) {
    standardOutput.write(outcome.out);
    if (outcome.status == kReportPrinted)
        return kReportPrinted;
    const std::string prefix = outcome.status == kUsageError ? "navivor-calc: " : "";
    const std::string shown = visibleText(prefix + outcome.message);
    std::fputs(((cp1251 ? encodeCp1251(shown) : shown) + "\n").c_str(), stderr);
    if (outcome.status == kUsageError)
        printMessage(kUsageHint);
    return outcome.status;
}

// A standard stream the caller closed (">&-") is opened on /dev/null for reading only: a
// write to it fails and is told, and no file the program opens takes its number.
void guardStandardStreams() {
    for (int stream = 0; stream <= 2; ++stream)
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY);
}

int runCommandLine(int argc, char** argv) {
    try {
        const std::vector<GivenOption> options =
            givenOptions(std::vector<std::string>(argv + 1, argv + argc));
        const CommandLine line = commandLineOf(options);
        if (line.help) {
            standardOutput.write(kUsage);
            return kReportPrinted;
        }
        if (line.version) {
            standardOutput.write("navivor-calc (Navivor) " NAVIVOR_VERSION "\n");
            return kReportPrinted;
        }
        if (line.batch)
            return runBatch(options, standardOutput);
        const LanguageTexts texts =
            line.language ? languageOfOption(*line.language) : LanguageTexts();
        return print(runDesign(line, texts), line.cp1251Output);
    } catch (const UsageError& error) {
        printUsageError(error.what());
        return kUsageError;
    } catch (const std::exception& error) {
        printMessage("navivor-calc: " + std::string(error.what()));
        return kCalculationFailed;
    }
}

} // namespace
} // namespace navivor::cli

int main(int argc, char** argv) {
    using namespace navivor::cli;
    guardStandardStreams();
    const int status = runCommandLine(argc, argv);
    if (const int error = standardOutput.close(); error != 0) {
        printMessage("navivor-calc: write error: " + std::string(std::strerror(error)));
        return kCalculationFailed;
    }
    return status;
}
