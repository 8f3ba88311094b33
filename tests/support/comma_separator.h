// SPDX-License-Identifier: GPL-3.0-or-later
// Test fixture: the worked examples are written with a comma as the decimal separator.
#pragma once

#include "support/separator_scope.h"

#include <gtest/gtest.h>

namespace navivor {

class CommaSeparator : public ::testing::Test {
private:
    testing::SeparatorScope comma_{","};
};

template <typename Param>
class CommaSeparatorWithParam : public CommaSeparator,
                                public ::testing::WithParamInterface<Param> {};

} // namespace navivor
