// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: a decimal separator in force for the life of the object. The separator is
// process-wide, so a test that left its own behind would change what the next test reads.
#pragma once

#include "text/decimal_separator.h"

#include <string>
#include <string_view>

namespace navivor::testing {

class SeparatorScope {
public:
    explicit SeparatorScope(std::string_view separator)
        : previous_(decimalSeparator()) {
        setDecimalSeparator(separator);
    }
    ~SeparatorScope() { setDecimalSeparator(previous_); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    std::string previous_;
};

} // namespace navivor::testing
