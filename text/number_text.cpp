// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_text.h"

#include "text/decimal_separator.h"
#include "text/failure.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace navivor {
namespace {

[[noreturn]] void throwNotAFloat(std::string_view text) {
    throw Failure("'" + std::string(text) + "' is not a valid floating point value");
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The exponent takes digits only while its value stays below this.
constexpr std::int64_t kExponentDigitLimit = 500;

} // namespace

Extended textToNumber(std::string_view text) {
    const std::string& separator = decimalSeparator();
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    };

    skipBlanks();
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';

    // All integer and fraction digits form one decimal integer; leading zeros carry nothing.
    std::string digits;
    bool hasMantissa = false;
    std::int64_t fractionDigits = 0;
    const auto takeDigits = [&](bool fraction) {
        while (pos < text.size() && isDigit(text[pos])) {
            if (!digits.empty() || text[pos] != '0')
                digits += text[pos];
            if (fraction)
                ++fractionDigits;
            ++pos;
            hasMantissa = true;
        }
    };
    takeDigits(false);
    if (text.substr(pos).starts_with(separator)) {
        pos += separator.size();
        hasMantissa = true;
        takeDigits(true);
    }
    if (!hasMantissa)
        throwNotAFloat(text);

    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negativeExponent = text[pos++] == '-';
        while (pos < text.size() && isDigit(text[pos]) && exponent < kExponentDigitLimit)
            exponent = exponent * 10 + (text[pos++] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }
    skipBlanks();
    if (pos != text.size())
        throwNotAFloat(text);

    Extended value = 0;
    if (!digits.empty()) {
        // strtold rounds M x 10^X correctly to extended; the text handed to it has no
        // decimal point, so the C locale's own separator plays no part.
        const std::string scientific = digits + 'e' + std::to_string(exponent - fractionDigits);
        value = std::strtold(scientific.c_str(), nullptr);
        if (std::isinf(value))
            throwNotAFloat(text);
    }
    return negative ? -value : value;
}

std::string numberToText(Extended value) {
    if (value == 0 || std::fpclassify(value) == FP_SUBNORMAL)
        return "0";
    if (std::isnan(value))
        return "NAN";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return sign + "INF";

    // Eighteen significant digits rounded to nearest, then rounded again to fifteen.
    // "d.ddddddddddddddddde+XX", whatever locale the C library is set to.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 17);
    *written.ptr = '\0';
    std::string digits = std::string(1, buffer[0]) + std::string(buffer + 2, 17);
    int exponent = std::atoi(buffer + 20) + 1; // |value| = 0.D1D2... x 10^exponent
    const bool roundUp = digits[15] >= '5';
    digits.resize(15);
    if (roundUp) {
        int i = 14;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0) {
            digits = "1";
            ++exponent;
        } else {
            ++digits[i];
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const std::string& separator = decimalSeparator();
    std::string text = sign;
    if (exponent >= -3 && exponent <= 15) {
        if (exponent <= 0) {
            text += "0" + separator + std::string(-exponent, '0') + digits;
        } else if (digits.size() <= static_cast<std::size_t>(exponent)) {
            text += digits + std::string(exponent - digits.size(), '0');
        } else {
            text += digits.substr(0, exponent) + separator + digits.substr(exponent);
        }
    } else {
        text += digits.substr(0, 1);
        if (digits.size() > 1)
            text += separator + digits.substr(1);
        text += 'E' + std::to_string(exponent - 1);
    }
    return text;
}

std::string integerToText(std::int32_t value) {
    return std::to_string(value);
}

std::string fixedText(double value, int decimals) {
    if (!std::isfinite(value))
        return "-";
    // Where the plain form of number texts ends, so does the fixed one.
    if (std::fabs(value) >= 1e15)
        return numberToText(value);
    // Below 1e15 in fixed notation: at most 16 digits before the point.
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "-";
    std::string text(buffer, end);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator());
    return text;
}

std::string trimmedFixedText(double value, int decimals) {
    std::string text = fixedText(value, decimals);
    const std::string& separator = decimalSeparator();
    const std::size_t point = text.find(separator);
    // The scientific form and "-" have no run of fixed decimals to trim.
    if (point == std::string::npos || text.find('E') != std::string::npos)
        return text;
    const std::size_t last = text.find_last_not_of('0');
    text.resize(last + 1 == point + separator.size() ? point : last + 1);
    return text;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const std::string_view rest = text.substr(pos);

    std::size_t hexStart = 0;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X'))
        hexStart = 1;
    else if (rest.starts_with("0x") || rest.starts_with("0X"))
        hexStart = 2;

    if (hexStart != 0) {
        // A 32-bit pattern: eight digits starting with 8 or more are negative.
        std::uint64_t value = 0;
        if (rest.size() == hexStart)
            return std::nullopt;
        for (char c : rest.substr(hexStart)) {
            const int digit = hexDigitValue(c);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    std::size_t i = 0;
    const bool negative = i < rest.size() && rest[i] == '-';
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-'))
        ++i;
    if (i == rest.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < rest.size(); ++i) {
        if (!isDigit(rest[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + (rest[i] - '0');
        if (magnitude > 2147483648LL)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t textToInteger(std::string_view text) {
    const std::optional<std::int32_t> value = parseInteger(text);
    if (!value)
        throw Failure("'" + std::string(text) + "' is not a valid integer value");
    return *value;
}

} // namespace navivor
