// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/extended_arithmetic.h"

#include "text/failure.h"

#include <cmath>
#include <string>

namespace navivor {
namespace {

constexpr const char* kInvalidOperation = "Invalid floating point operation";
constexpr const char* kDivisionByZero = "Floating point division by zero";
constexpr const char* kOverflow = "Floating point overflow";

// The operands of the calculations are always finite, so a NaN result is an invalid
// operation and an infinite one an overflow.
Extended checked(Extended result) {
    if (std::isnan(result))
        throw Failure(kInvalidOperation);
    if (std::isinf(result))
        throw Failure(kOverflow);
    return result;
}

} // namespace

Extended product(Extended a, Extended b) {
    return checked(a * b);
}

Extended sum(Extended a, Extended b) {
    return checked(a + b);
}

Extended quotient(Extended a, Extended b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            throw Failure(kInvalidOperation);
        throw Failure(kDivisionByZero);
    }
    return checked(a / b);
}

Extended squareRoot(Extended a) {
    if (a < 0)
        throw Failure(kInvalidOperation);
    return checked(std::sqrt(a));
}

double toDouble(Extended a) {
    checked(a);
    return static_cast<double>(checked(static_cast<double>(a)));
}

std::int64_t Round(Extended a) {
    // Both bounds are exact in extended: -2^63 and 2^63.
    constexpr Extended lowest = -9223372036854775808.0L;
    constexpr Extended beyondHighest = 9223372036854775808.0L;
    const Extended nearest = std::nearbyint(a); // the default rounding: to nearest, ties to even
    if (!(nearest >= lowest && nearest < beyondHighest))
        throw Failure(kInvalidOperation);
    return static_cast<std::int64_t>(nearest);
}

} // namespace navivor
