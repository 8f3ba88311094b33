// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic of the calculations: every operation on the 80-bit extended format, rounded to
// nearest with ties to even, with invalid operations, division by zero and overflow raised
// as failures instead of flowing on as NaN or infinity.
#pragma once

#include <cstdint>
#include <limits>

namespace navivor {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "long double must be the 80-bit extended format with a 64-bit significand");
static_assert(std::numeric_limits<double>::digits == 53, "double must be IEEE 754 binary64");

Extended product(Extended a, Extended b);
Extended sum(Extended a, Extended b);
Extended quotient(Extended a, Extended b);
Extended squareRoot(Extended a);

// Stores an extended result as a double: rounded to nearest, overflow is a failure, a value
// too small becomes a denormal or zero.
double toDouble(Extended a);

// Nearest 64-bit integer, halfway cases to the even one; outside the range is an invalid
// operation.
std::int64_t Round(Extended a);

} // namespace navivor
