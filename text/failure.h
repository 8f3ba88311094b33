// SPDX-License-Identifier: GPL-3.0-or-later
// The one kind of failure the user reads: the calculations, the number conversions, the save
// and print commands and the command line raise it with the exact text of the message. The
// failure message box adds the closing full stop.
#pragma once

#include <stdexcept>
#include <string>

namespace navivor {

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the failure message box: a full stop is appended when the message is not
// empty and its last character sorts after "." (letters, digits, ":" and the like).
std::string withClosingFullStop(std::string message);

} // namespace navivor
