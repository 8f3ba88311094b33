// Test fixture: the worked examples are written with a comma as the decimal separator.
#pragma once

#include "text/decimal_separator.h"

#include <gtest/gtest.h>

namespace navivor {

class CommaSeparator : public ::testing::Test {
protected:
    void SetUp() override { setDecimalSeparator(","); }
    void TearDown() override { setDecimalSeparator("."); }
};

template <typename Param>
class CommaSeparatorWithParam : public CommaSeparator,
                                public ::testing::WithParamInterface<Param> {};

} // namespace navivor
