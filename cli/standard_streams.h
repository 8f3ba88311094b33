// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc's standard output, every write checked, and its messages on standard error.
#pragma once

#include <string>
#include <string_view>

namespace navivor::cli {

// The first failure of a write is kept, and told once the output is closed, so that a script
// never takes a report cut short for a whole one.
class StandardOutput {
public:
    void write(std::string_view bytes);
    // Hands what is buffered on, as before waiting for more input.
    void flush();
    bool failed() const { return error_ != 0; }
    // Flushes and closes standard output; the error of the first write that failed, or 0.
    int close();

private:
    void keepError();

    int error_ = 0;
};

// A line the user reads on standard error: a text from the command line or a language file
// shows its control characters, never works them.
void printMessage(const std::string& line);

} // namespace navivor::cli
