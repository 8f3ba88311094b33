// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include "cli/design_run.h"
#include "cli/json_line.h"
#include "cli/json_output.h"
#include "cli/language_files.h"
#include "text/decimal_separator.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <map>
#include <optional>

namespace navivor::cli {
namespace {

// The lines of standard input, read in large blocks. Before it waits for more input the
// reader hands the output on, so that a script that writes a line and waits for its answer
// gets it, while a file of many lines is answered in large writes.
class InputLines {
public:
    explicit InputLines(StandardOutput& output)
        : output_(output) {}

    // The next line without its "\n"; false at the end of the input or at a read error. A
    // line longer than kLongestBatchLine keeps only its start, and tooLong says so.
    bool next(std::string& line, bool& tooLong) {
        line.clear();
        tooLong = false;
        bool any = false;
        for (;;) {
            const std::string_view waiting(buffer_.data() + begin_, end_ - begin_);
            const auto newline = waiting.find('\n');
            const std::string_view part = waiting.substr(0, newline);
            const std::size_t kept = std::min(part.size(), kLongestBatchLine - line.size());
            line.append(part.substr(0, kept));
            tooLong = tooLong || kept < part.size();
            any = any || !waiting.empty();
            if (newline != std::string_view::npos) {
                begin_ += newline + 1;
                return true;
            }
            if (!fill())
                return any; // the last line may lack its "\n"
        }
    }

    // The error of a read that failed, or 0.
    int error() const { return error_; }

private:
    bool fill() {
        begin_ = end_ = 0;
        if (ended_)
            return false;
        output_.flush();
        for (;;) {
            const ssize_t got = ::read(STDIN_FILENO, buffer_.data(), buffer_.size());
            if (got > 0) {
                end_ = static_cast<std::size_t>(got);
                return true;
            }
            if (got < 0 && errno == EINTR)
                continue;
            // Standard input may have been left non-blocking by whoever opened it.
            if (got < 0 && errno == EAGAIN) {
                pollfd input{STDIN_FILENO, POLLIN, 0};
                ::poll(&input, 1, -1);
                continue;
            }
            error_ = got < 0 ? errno : 0;
            ended_ = true;
            return false;
        }
    }

    StandardOutput& output_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    int error_ = 0;
};

// The language files of a batch, each read once, not once a line. A batch that names more
// of them (a name in many letter cases, say) starts the collection again.
class Languages {
public:
    const LanguageTexts& of(const std::optional<std::string>& name) {
        if (!name)
            return builtIn_;
        auto found = files_.find(*name);
        if (found == files_.end()) {
            if (files_.size() == kMostKept)
                files_.clear();
            found = files_.emplace(*name, languageOfOption(*name)).first;
        }
        return found->second;
    }

private:
    static constexpr std::size_t kMostKept = 16;
    LanguageTexts builtIn_;
    std::map<std::string, LanguageTexts> files_;
};

struct LineOptions {
    std::vector<std::string> names; // each key, a list's even when it is empty
    std::vector<GivenOption> options;
};

// A flag's value is true, a single option's a string, a repeated option's a string or a
// list of strings.
LineOptions lineOptions(const std::vector<JsonLineMember>& members) {
    LineOptions line;
    for (const JsonLineMember& member : members) {
        const std::string name = "--" + member.key;
        const std::optional<OptionKind> kind = designOptionKind(name);
        if (!kind)
            throw UsageError{"unknown key '" + member.key + "'"};
        const JsonLineValue::Type type = member.value.type;
        if (*kind == OptionKind::Flag && type != JsonLineValue::Type::True)
            throw UsageError{"'" + member.key + "' takes true"};
        if (*kind == OptionKind::Value && type != JsonLineValue::Type::String)
            throw UsageError{"'" + member.key + "' takes a string"};
        if (*kind == OptionKind::RepeatedValue && type == JsonLineValue::Type::True)
            throw UsageError{"'" + member.key + "' takes a string or a list of strings"};
        line.names.push_back(name);
        if (type == JsonLineValue::Type::True)
            line.options.push_back({name, ""});
        for (const std::string& value : member.value.strings)
            line.options.push_back({name, value});
    }
    return line;
}

struct Answer {
    ExitStatus status;
    std::string json; // with its line end
};

class Batch {
public:
    explicit Batch(const std::vector<GivenOption>& commandLine)
        : commandLine_(commandLine) {
        // A language the command line names for every line is looked for at once.
        languages_.of(commandLineOf(commandLine).language);
    }

    Answer answer(const std::string& text, bool tooLong, std::size_t number) {
        const auto failed = [number](ExitStatus status, const std::string& message) {
            return Answer{status, errorJson(message, number) + "\n"};
        };
        try {
            if (tooLong)
                throw UsageError{"a line longer than " + std::to_string(kLongestBatchLine) +
                                 " bytes"};
            const LineOptions line = lineOptions(readJsonLine(text));
            CommandLine design =
                commandLineOf(batchLineOptions(commandLine_, line.names, line.options));
            design.format = OutputFormat::Json;
            // Each design starts from the locale's separator, whatever the line before set.
            if (!design.separator)
                design.separator = localeSeparator_;
            DesignOutcome outcome = runDesign(design, languages_.of(design.language));
            if (outcome.status != kReportPrinted)
                return failed(outcome.status, outcome.message);
            return {kReportPrinted, std::move(outcome.out)};
        } catch (const UsageError& error) {
            return failed(kUsageError, error.what());
        } catch (const std::exception& error) {
            return failed(kCalculationFailed, error.what());
        }
    }

private:
    const std::vector<GivenOption>& commandLine_;
    const std::string localeSeparator_ = localeDecimalSeparator();
    Languages languages_;
};

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

int runBatch(const std::vector<GivenOption>& commandLine, StandardOutput& output) {
    Batch batch(commandLine);
    InputLines input(output);
    int status = kReportPrinted;
    std::string line;
    bool tooLong = false;
    for (std::size_t number = 1; !output.failed() && input.next(line, tooLong); ++number) {
        if (isBlank(line) && !tooLong)
            continue;
        const Answer answer = batch.answer(line, tooLong, number);
        output.write(answer.json);
        status = std::max<int>(status, answer.status);
    }
    if (input.error() != 0) {
        printMessage("navivor-calc: read error: " + std::string(std::strerror(input.error())));
        status = std::max<int>(status, kCalculationFailed);
    }
    return status;
}

} // namespace navivor::cli
