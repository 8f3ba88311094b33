// SPDX-License-Identifier: GPL-3.0-or-later
// textToNumber and parseInteger against slow readings of their grammars written here. The
// first byte picks the decimal separator, the rest is the text.
#include "text/number_text.h"
#include "text/decimal_separator.h"
#include "text/failure.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using navivor::Extended;

bool allDigits(std::string_view text, bool hex = false) {
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit && !(hex && letter))
            return false;
    }
    return true;
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    return digits;
}

struct NumberReading {
    bool negative = false;
    std::string whole;
    std::string fraction;
    std::string exponentSign;
    std::string exponent;
};

// Blanks, optional sign, digits with at most one separator (which alone is a number too),
// optional exponent letter with optional sign and digits, blanks. Cut at the parts instead
// of scanning, so that it shares no step with the reader under test.
std::optional<NumberReading> readNumberSlowly(std::string_view text, std::string_view separator) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    NumberReading reading;
    if (text.front() == '+' || text.front() == '-') {
        reading.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string_view mantissa = text;
    if (const auto letter = text.find_first_of("eE"); letter != std::string_view::npos) {
        mantissa = text.substr(0, letter);
        std::string_view exponent = text.substr(letter + 1);
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
            reading.exponentSign = exponent.substr(0, 1);
            exponent.remove_prefix(1);
        }
        if (!allDigits(exponent))
            return std::nullopt;
        reading.exponent = exponent;
    }
    if (mantissa.empty())
        return std::nullopt;
    const auto point = mantissa.find(separator);
    reading.whole = mantissa.substr(0, point);
    if (point != std::string_view::npos)
        reading.fraction = mantissa.substr(point + separator.size());
    if (!allDigits(reading.whole) || !allDigits(reading.fraction))
        return std::nullopt;
    return reading;
}

// The reader stops taking exponent digits once their value reaches 500, and the digit left
// over is then text after the number: an exponent of 5000 or more is refused whatever the
// mantissa.
bool exponentTooLong(const NumberReading& reading) {
    const std::string_view digits = withoutLeadingZeros(reading.exponent);
    return digits.size() > 4 || (digits.size() == 4 && digits >= "5000");
}

// The C library's own correctly rounded reading of the same decimal value; infinity when the
// value is too large for extended.
Extended valueOf(const NumberReading& reading) {
    std::string scientific = "0" + reading.whole + "." + reading.fraction + "0";
    if (!reading.exponent.empty())
        scientific += "e" + reading.exponentSign + reading.exponent;
    const Extended magnitude = std::strtold(scientific.c_str(), nullptr);
    return reading.negative ? -magnitude : magnitude;
}

std::optional<Extended> fastNumber(std::string_view text) {
    try {
        return navivor::textToNumber(text);
    } catch (const navivor::Failure&) {
        return std::nullopt;
    }
}

void checkNumber(std::string_view text, std::string_view separator) {
    const std::optional<NumberReading> reading = readNumberSlowly(text, separator);
    const std::optional<Extended> fast = fastNumber(text);
    if (!reading || exponentTooLong(*reading)) {
        if (fast)
            std::abort(); // accepted a text outside the grammar
        return;
    }
    const Extended expected = valueOf(*reading);
    if (std::isinf(expected)) {
        if (fast)
            std::abort(); // a value too large for extended is a failure
        return;
    }
    if (!fast || *fast != expected || std::signbit(*fast) != reading->negative)
        std::abort();
    // The text the report would show for it reads back.
    if (!fastNumber(navivor::numberToText(*fast)))
        std::abort();
}

// Leading blanks, then "$", "x", "X", "0x" or "0X" and hexadecimal digits whose value fits
// 32 bits, or an optional sign and decimal digits whose value fits a 32-bit integer.
std::optional<std::int32_t> readIntegerSlowly(std::string_view text) {
    if (const auto first = text.find_first_not_of(' '); first != std::string_view::npos)
        text.remove_prefix(first);
    else
        text = {};
    std::size_t prefix = 0;
    if (text.starts_with("0x") || text.starts_with("0X"))
        prefix = 2;
    else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        prefix = 1;
    if (prefix != 0) {
        const std::string_view digits = text.substr(prefix);
        const std::string_view significant = withoutLeadingZeros(digits);
        if (digits.empty() || !allDigits(digits, true) || significant.size() > 8)
            return std::nullopt;
        const auto pattern =
            static_cast<std::uint32_t>(std::stoul(std::string(digits), nullptr, 16));
        return static_cast<std::int32_t>(pattern);
    }
    const bool negative = text.starts_with('-');
    if (text.starts_with('-') || text.starts_with('+'))
        text.remove_prefix(1);
    const std::string_view significant = withoutLeadingZeros(text);
    if (text.empty() || !allDigits(text) || significant.size() > 10)
        return std::nullopt;
    const std::int64_t magnitude = significant.empty() ? 0 : std::stoll(std::string(significant));
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // Its remainder modulo 3 picks the separator: "," gives the comma, "." the full stop and
    // "*" a separator of two bytes.
    constexpr std::string_view separators[] = {"\u066B", ".", ","};
    const std::string_view separator = separators[data[0] % 3];
    navivor::setDecimalSeparator(separator);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    checkNumber(text, separator);
    if (navivor::parseInteger(text) != readIntegerSlowly(text))
        std::abort();
    return 0;
}
