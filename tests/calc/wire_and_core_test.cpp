// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/core_choice.h"
#include "calc/enamelled_wire.h"
#include "calc/lamination_series.h"
#include "text/failure.h"

#include <gmock/gmock.h>

#include <optional>

namespace navivor {
namespace {

std::string keyOnly(std::string_view key) {
    return std::string(key);
}

struct WireCase {
    double calculated;
    std::optional<double> standard;
    double overall; // grade 2 of the standard diameter, or of the calculated one beyond them
};

// Standard diameters of wiresize.htm, overall ones of wiretype.htm; 1,18 mm has no row there,
// so its enamel is interpolated between 1,12 (+0,097) and 1,25 (+0,099): 0,097 + 6/13 x 0,002.
TEST(StandardWire, RoundsUpAndAddsTheEnamel) {
    const WireCase cases[] = {
        {0.01, 0.05, 0.066},   {0.05, 0.05, 0.066},        {0.0501, 0.053, 0.070},
        {0.264, 0.265, 0.314}, {1.129, 1.18, 1.277923},    {1.0, 1.0, 1.094},
        {4.8, 5.0, 5.141},     {5.2, std::nullopt, 5.341},
    };
    for (const WireCase& c : cases) {
        const std::optional<double> standard = nextStandardDiameter(c.calculated);
        EXPECT_EQ(standard, c.standard) << c.calculated;
        EXPECT_NEAR(grade2OverallDiameter(standard.value_or(c.calculated)), c.overall, 1e-6)
            << c.calculated;
    }
}

TEST(LaminationSeries, ReadsTheFileOrNamesTheBrokenLine) {
    const auto series =
        parseLaminationSeries("# name;a;w;h\r\n\r\nA;20;10;30\r\nB;25.5;12.75;38\n");
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[1].name, "B");
    EXPECT_EQ(series[1].tongue, 25.5);
    EXPECT_EQ(series[1].windowHeight, 38);

    for (const char* broken : {"A;20;10\n", "A;20;10;30;1\n", ";20;10;30\n", "A;20,5;10;30\n",
                               "A;0;10;30\n", "A;20;10;1e9\n", "A;20;10;nan\n", "A;20;10; 30\n"}) {
        try {
            parseLaminationSeries(std::string("#\n") + broken);
            ADD_FAILURE() << broken;
        } catch (const Failure& failure) {
            EXPECT_THAT(failure.what(), ::testing::HasSubstr("line 2")) << broken;
        }
    }
    EXPECT_THROW(readLaminationSeries("no/such/laminations.csv"), Failure);
}

// 220 V to 12 V 2 A, 24 W, induction 0,8 T; wires 0,264 (+0,0489 enamel) and 1,129 (+0,0979),
// bobbin wall 1 mm, tape 0,05 mm, 0,4 mm between the windings and 0,4 mm over them; a pick
// must fit within 90 % of the window width. Worked by hand, stack in steps of 0,5 mm:
//   T16: 16 x 32 = 512 mm2 would do, but no layer fits a 2 mm window: never.
//   T25 (window 12,5 x 37,5, bobbin 35,5 mm): at 32,5 mm, 812,5 mm2, 1491 + 85 turns,
//   14 + 4 layers: no; at 33 mm, 825 mm2, 1468 + 84 turns, 113 and 28 a layer, 13 + 3 layers:
//   1 + 13 x 0,363 + 3 x 1,277 + 0,8 = 10,35 mm, 82,8 %. Volume 75 x 62,5 x 33 = 154687,5 mm3.
//   T22 (window 11 x 33): up to 44 mm the coil stays above 90 % of its 11 mm: never.
TEST(CoreChoice, SmallestCoreThatHoldsTheWindingsFirst) {
    WindingDesign design{"220", "", {{"12", "2", ""}}, 50, 1, 1};
    const std::vector<Lamination> series = {
        {"T22", 22, 11, 33}, {"T16", 16, 2, 30}, {"T25", 25, 12.5, 37.5}};
    const auto choices = coreChoices(design, series, 0.5, {}, keyOnly, keyOnly);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].lamination.name, "T25");
    EXPECT_EQ(choices[0].stack, 33);
    EXPECT_EQ(choices[0].section, 825);
    EXPECT_EQ(choices[0].windowArea, 468.75);
    EXPECT_NEAR(choices[0].fillPercent, 82.77, 0.01);
    EXPECT_NEAR(choices[0].volume, 154687.5, 1e-6);

    EXPECT_TRUE(
        coreChoices(design, std::vector<Lamination>{series[1]}, 0.5, {}, keyOnly, keyOnly).empty());
    EXPECT_THROW(coreChoices(design, series, 0.001, {}, keyOnly, keyOnly), Failure);
}

} // namespace
} // namespace navivor
