// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc's command line: any arguments (the input split at NUL bytes) either parse into
// a design within the limits the usage states, or raise the usage error, whose message shows
// no control character to the terminal; nothing else.
#include "cli/command_line.h"
#include "text/visible_text.h"

#include <algorithm>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The usage's limit of secondary windings.
constexpr std::size_t kMostSecondaries = 50;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const auto end = rest.find('\0');
        arguments.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    try {
        const navivor::cli::CommandLine line = navivor::cli::parseCommandLine(arguments);
        const std::size_t windings = line.secondaries.empty() ? 1 : line.secondaries.size();
        if (windings > kMostSecondaries || line.diameters.size() > windings + 1)
            std::abort();
    } catch (const navivor::cli::UsageError& error) {
        // the one failure a command line may give
        const std::string shown = navivor::visibleText(error.what());
        if (std::ranges::any_of(shown, [](char c) {
                const auto byte = static_cast<unsigned char>(c);
                return (byte < 0x20 && c != '\t') || byte == 0x7F;
            }))
            std::abort();
    }
    return 0;
}
