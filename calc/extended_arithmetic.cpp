#include "extended_arithmetic.h"

#include "calc_error.h"

#include <cmath>
#include <string>

namespace navivor {
namespace {

// The operands of the calculations are always finite, so a NaN result is an invalid
// operation and an infinite one an overflow.
Extended checked(Extended result) {
    if (std::isnan(result))
        throw CalcError(std::string(kInvalidOperation));
    if (std::isinf(result))
        throw CalcError(std::string(kOverflow));
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
            throw CalcError(std::string(kInvalidOperation));
        throw CalcError(std::string(kDivisionByZero));
    }
    return checked(a / b);
}

Extended squareRoot(Extended a) {
    if (a < 0)
        throw CalcError(std::string(kInvalidOperation));
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
        throw CalcError(std::string(kInvalidOperation));
    return static_cast<std::int64_t>(nearest);
}

} // namespace navivor
