// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/winding_calculation.h"
#include "i18n/language_file.h"
#include "support/comma_separator.h"
#include "support/print_fields.h"
#include "support/worked_example.h"
#include "text/failure.h"

#include <gmock/gmock.h>

#include <array>
#include <ranges>

namespace navivor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

WindingDesign design(std::string primary, std::vector<SecondaryCells> secondaries,
                     std::int32_t frequency, std::int32_t coreSection) {
    WindingDesign d;
    d.primaryVoltage = std::move(primary);
    d.secondaries = std::move(secondaries);
    d.frequency = frequency;
    d.coreSection = coreSection;
    return d;
}

class WindingCalculation : public CommaSeparator {
protected:
    WindingOutcome run(WindingDesign& d) { return runWindingCalculation(d, store, lookup, report); }
    // The line that starts with the label, less the label and its blank.
    std::string valueAfter(const std::string& label, int occurrence = 0) const {
        for (const std::string& line : report.lines)
            if (line.starts_with(label + " ") && occurrence-- == 0)
                return line.substr(label.size() + 1);
        return "(missing)";
    }

    LanguageTexts builtIn;
    MessageLookup lookup = [this](std::string_view key) { return builtIn.message(key); };
    TurnStore store;
    ReportLines report;
};

TEST_F(WindingCalculation, FirstWorkedExampleGivesTheWholeReport) {
    WindingDesign d = design("220", {{"12", "2", ""}}, 50, 1000);
    EXPECT_EQ(run(d), WindingOutcome::CoreSufficient);
    EXPECT_TRUE(report.cleared);
    EXPECT_EQ(report.lines, testing::kWorkedExampleReport);
    EXPECT_EQ(store.primary, 1210);
    EXPECT_EQ(store.secondary[0], 69);
}

TEST_F(WindingCalculation, ThreeSecondaries) {
    WindingDesign d =
        design("230", {{"24", "3", ""}, {"12,6", "1,5", ""}, {"5", "0,5", ""}}, 50, 1200);
    EXPECT_EQ(run(d), WindingOutcome::CoreSufficient);
    EXPECT_EQ(valueAfter("Мощность нагрузки, Вт -"), "93,4");
    EXPECT_EQ(valueAfter("Количество витков :"), "843");
    EXPECT_EQ(valueAfter("Расчетный диаметр провода, мм.:"), "0,509");
    EXPECT_THAT(
        (std::vector{valueAfter("Количество витков :", 1), valueAfter("Количество витков :", 2),
                     valueAfter("Количество витков :", 3)}),
        ElementsAre("92", "49", "19"));
    EXPECT_THAT((std::vector{valueAfter("Расчетный диаметр провода, мм.:", 1),
                             valueAfter("Расчетный диаметр провода, мм.:", 2),
                             valueAfter("Расчетный диаметр провода, мм.:", 3)}),
                ElementsAre("1,382 мм.", "0,977 мм.", "0,564 мм."));
    EXPECT_THAT(
        (std::vector{store.primary, store.secondary[0], store.secondary[1], store.secondary[2]}),
        ElementsAre(843, 92, 49, 19));
}

struct CoreCase {
    const char* secondary; // "U:I"
    std::int32_t coreSection;
    const char* smallestSection; // empty: the core is sufficient
};

void PrintTo(const CoreCase& c, std::ostream* os) {
    testing::printFields(os, c.secondary, c.coreSection);
}

class CoreCheck : public WindingCalculation, public ::testing::WithParamInterface<CoreCase> {};

TEST_P(CoreCheck, SufficientOrSmallestSection) {
    const std::string winding = GetParam().secondary;
    const auto colon = winding.find(':');
    WindingDesign d = design("220", {{winding.substr(0, colon), winding.substr(colon + 1), ""}}, 50,
                             GetParam().coreSection);
    store.primary = 7;
    const std::string expected = GetParam().smallestSection;
    if (expected.empty()) {
        EXPECT_EQ(run(d), WindingOutcome::CoreSufficient);
        return;
    }
    EXPECT_EQ(run(d), WindingOutcome::CoreInsufficient);
    EXPECT_THAT(report.lines,
                ElementsAre("Недостаточное сечение сердечника !!!",
                            "Требуемое сечение сердечника не менее " + expected + "  мм. кв."));
    EXPECT_EQ(store.primary, 7) << "an insufficient core leaves the turn store alone";
}

INSTANTIATE_TEST_SUITE_P(
    Sections, CoreCheck,
    ::testing::Values(CoreCase{"12:2", 400, "491"},
                      // R is the double above 4.9; the extended 490/100 lies below it
                      CoreCase{"24,01:1", 490, "491"}, CoreCase{"24,01:1", 491, ""},
                      CoreCase{"100:1", 1000, ""}, CoreCase{"100:1", 999, "1001"},
                      CoreCase{":", 1, ""}, CoreCase{"1:1", 99, "101"}));

struct BandCase {
    const char* voltage; // with a current of 1 A this is the load power
    const char* primaryTurns;
};

void PrintTo(const BandCase& c, std::ostream* os) {
    testing::printFields(os, c.voltage);
}

class InductionBands : public WindingCalculation, public ::testing::WithParamInterface<BandCase> {};

// With 220 V, 50 Hz and 2000 mm2 the primary turns are 220 x 2,2 / B.
TEST_P(InductionBands, ChooseTheTurnsPerVolt) {
    WindingDesign d = design("220", {{GetParam().voltage, "1", ""}}, 50, 2000);
    ASSERT_EQ(run(d), WindingOutcome::CoreSufficient);
    EXPECT_EQ(valueAfter("Количество витков :"), GetParam().primaryTurns) << GetParam().voltage;
}

INSTANTIATE_TEST_SUITE_P(Bounds, InductionBands,
                         ::testing::Values(BandCase{"10", "691"}, BandCase{"10,001", "605"},
                                           BandCase{"30", "605"}, BandCase{"30,001", "538"},
                                           BandCase{"50", "538"}, BandCase{"50,001", "484"},
                                           BandCase{"100", "484"}, BandCase{"100,001", "403"},
                                           BandCase{"399", "403"}));

TEST_F(WindingCalculation, EmptyCellsShowZeroAndCountAsZero) {
    WindingDesign d = design("220", {{"", "5", ""}, {"12", "", ""}}, 50, 1000);
    ASSERT_EQ(run(d), WindingOutcome::CoreSufficient);
    EXPECT_EQ(d.secondaries[0].voltage, "0");
    EXPECT_EQ(d.secondaries[1].current, "0");
    EXPECT_EQ(valueAfter("Мощность нагрузки, Вт -"), "0");
    EXPECT_EQ(valueAfter("Расчетный диаметр провода, мм.:"), "0");
    EXPECT_EQ(valueAfter("Количество витков :", 1), "0");
    EXPECT_EQ(valueAfter("Количество витков :", 2), "79"); // 12 x 6,2857 x 1,05
    EXPECT_EQ(valueAfter("Расчетный диаметр провода, мм.:", 2), "0 мм.");
    EXPECT_EQ(store.secondary[0], 0);
}

TEST_F(WindingCalculation, FiftySecondariesAreAllComputedAndStored) {
    std::vector<SecondaryCells> rows(50, SecondaryCells{"1", "0,01", ""});
    WindingDesign d = design("220", rows, 50, 1000);
    ASSERT_EQ(run(d), WindingOutcome::CoreSufficient);
    EXPECT_EQ(report.lines.size(), 13u + 50 * 6);
    EXPECT_EQ(report.lines[report.lines.size() - 6], "Обмотка 50");
    for (double turns : store.secondary)
        EXPECT_EQ(turns, 7); // 1 x 6,2857 x 1,05 = 6,6
}

TEST_F(WindingCalculation, FewerSecondariesLeaveLaterStoreEntries) {
    WindingDesign five = design("220", std::vector<SecondaryCells>(5, {"12", "0,1", ""}), 50, 1000);
    run(five);
    WindingDesign three =
        design("220", std::vector<SecondaryCells>(3, {"24", "0,1", ""}), 50, 1000);
    run(three);
    EXPECT_THAT((std::vector(store.secondary.begin(), store.secondary.begin() + 5)),
                ElementsAre(158, 158, 158, 79, 79));
}

TEST_F(WindingCalculation, TextsComeFromTheLookup) {
    lookup = [](std::string_view key) { return "<" + std::string(key) + ">"; };
    WindingDesign d = design("220", {{"12", "2", ""}}, 50, 400);
    run(d);
    EXPECT_THAT(report.lines, ElementsAre("<Mes3>", "<Mes4> 491 <Mes5>"));
}

struct FailureCase {
    std::vector<SecondaryCells> rows;
    const char* message;
    std::size_t linesLeft;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    const auto cells = [](const SecondaryCells& row) {
        return std::array{row.voltage, row.current, row.diameter};
    };
    testing::printFields(os, c.rows | std::views::transform(cells));
}

class WindingFailures : public WindingCalculation,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WindingFailures, StopWhereTheyOccur) {
    WindingDesign d = design("220", GetParam().rows, 50, 1000);
    report.append("old line");
    try {
        run(d);
        FAIL() << "no failure";
    } catch (const Failure& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_TRUE(report.cleared);
    EXPECT_EQ(report.lines.size(), GetParam().linesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindingFailures,
    ::testing::Values(
        FailureCase{{{"1,2,3", "1", ""}}, "'1,2,3' is not a valid floating point value", 0},
        FailureCase{{{" ", "1", ""}}, "' ' is not a valid floating point value", 0},
        FailureCase{{{"-5", "1", ""}}, "Invalid floating point operation", 0},
        // a negative current stops after that winding's turns line
        FailureCase{
            {{"12", "1", ""}, {"5", "-1", ""}}, "Invalid floating point operation", 13 + 6 + 4},
        FailureCase{{{"1e499", "1", ""}}, "Floating point overflow", 0},
        FailureCase{{{"1e300", "1e300", ""}}, "Floating point overflow", 0},
        // the smallest section is beyond Round's range: the first line is written already
        FailureCase{{{"1e40", "2", ""}}, "Invalid floating point operation", 1}));

TEST_F(WindingCalculation, NegativeCurrentKeepsTheTurnsWrittenBeforeIt) {
    WindingDesign d = design("220", {{"12", "2", ""}, {"5", "-1", ""}, {"6", "1", ""}}, 50, 1000);
    store.secondary[2] = 42;
    EXPECT_THROW(run(d), Failure);
    EXPECT_EQ(store.primary, 1210);
    EXPECT_EQ(store.secondary[1], 29); // 5 x 5,5 x 1,05 = 28,875
    EXPECT_EQ(store.secondary[2], 42);
}

TEST_F(WindingCalculation, AbsurdVoltagesKeepTheirWholeTurnCount) {
    // 10^9 V needs 6,6 x 10^9 turns, more than 32 bits hold.
    WindingDesign d = design("220", {{"1000000000", "0", ""}}, 50, 1000);
    ASSERT_EQ(run(d), WindingOutcome::CoreSufficient);
    EXPECT_EQ(valueAfter("Количество витков :", 1), "6600000000");
    EXPECT_EQ(store.secondary[0], 6600000000.0);
}

} // namespace
} // namespace navivor
