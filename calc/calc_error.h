// Failures of the calculations and of the number conversions. Each carries the exact text
// the user reads; the failure message box adds the closing full stop.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace navivor {

class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kInvalidOperation = "Invalid floating point operation";
inline constexpr std::string_view kDivisionByZero = "Floating point division by zero";
inline constexpr std::string_view kOverflow = "Floating point overflow";

// "'%s' is not a valid floating point value" with the whole text in place of %s.
[[noreturn]] void throwNotAFloat(std::string_view text);
// "'%s' is not a valid integer value".
[[noreturn]] void throwNotAnInteger(std::string_view text);

// The text of the failure message box: a full stop is appended when the message is not
// empty and its last character sorts after "." (letters, digits, ":" and the like).
std::string withClosingFullStop(std::string message);

} // namespace navivor
