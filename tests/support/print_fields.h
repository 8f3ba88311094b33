// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper for the PrintTo of a parameter case: the fields that tell the case apart, on one
// line, strings quoted and lists in braces. Without a PrintTo a failing case shows as bytes.
#pragma once

#include <concepts>
#include <limits>
#include <ostream>
#include <ranges>
#include <string_view>
#include <type_traits>

namespace navivor::testing {

// Line ends, tabs, quotes and backslashes escaped, so that a file's text stays on one line.
inline void printField(std::ostream& os, std::string_view text) {
    os << '"';
    for (const char c : text) {
        if (c == '\r')
            os << "\\r";
        else if (c == '\n')
            os << "\\n";
        else if (c == '\t')
            os << "\\t";
        else if (c == '"' || c == '\\')
            os << '\\' << c;
        else
            os << c;
    }
    os << '"';
}

// With every digit a long double keeps, so that a case written as a double shows as one.
template <typename Number>
requires std::is_arithmetic_v<Number>
void printField(std::ostream& os, Number value) {
    const std::streamsize precision = os.precision(std::numeric_limits<long double>::digits10);
    os << value;
    os.precision(precision);
}

template <std::ranges::range List>
requires(!std::convertible_to<const List&, std::string_view>) void printField(std::ostream& os,
                                                                              const List& list) {
    os << '{';
    const char* separator = "";
    for (const auto& field : list) {
        os << separator;
        printField(os, field);
        separator = ", ";
    }
    os << '}';
}

template <typename... Fields> void printFields(std::ostream* os, const Fields&... fields) {
    const char* separator = "";
    const auto print = [&](const auto& field) {
        *os << separator;
        printField(*os, field);
        separator = ", ";
    };
    (print(fields), ...);
}

} // namespace navivor::testing
