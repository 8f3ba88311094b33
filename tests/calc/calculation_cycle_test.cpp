// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculation_cycle.h"
#include "i18n/language_file.h"
#include "support/comma_separator.h"
#include "support/print_fields.h"
#include "text/failure.h"

#include <gmock/gmock.h>

namespace navivor {
namespace {

class Cycle : public CommaSeparator {
protected:
    PressResult press(std::string_view thickness = "0,1") {
        ReportLines lines;
        const PressResult result = cycle.press(design, thickness, lookup, lines);
        if (lines.cleared)
            report.clear();
        report.insert(report.end(), lines.lines.begin(), lines.lines.end());
        return result;
    }

    WindingDesign design = [] {
        WindingDesign d;
        d.primaryVoltage = "220";
        d.primaryDiameter = "  ----------";
        d.secondaries = {{"12", "2", ""}};
        d.coreSection = 1000;
        d.windowArea = 500;
        return d;
    }();
    LanguageTexts builtIn;
    MessageLookup lookup = [this](std::string_view key) { return builtIn.message(key); };
    CalculationCycle cycle;
    std::vector<std::string> report;
};

TEST_F(Cycle, SufficientCoreSwitchesToFillModeAndEmptiesThePrimaryDiameter) {
    EXPECT_EQ(press(), PressResult::CoreSufficient);
    EXPECT_EQ(cycle.mode(), CycleMode::Fill);
    EXPECT_EQ(design.primaryDiameter, "");
    design.primaryDiameter = "0,27";
    design.secondaries[0].diameter = "1,12";
    EXPECT_EQ(press(), PressResult::FillChecked);
    EXPECT_EQ(press(), PressResult::FillChecked);
    EXPECT_EQ(report.size(), 19u + 5 + 5);
    EXPECT_EQ(report.back(), "Заполнение окна : 47,4 %");
}

TEST_F(Cycle, InsufficientCoreStaysInCalculationMode) {
    design.coreSection = 400;
    EXPECT_EQ(press(), PressResult::CoreInsufficient);
    EXPECT_EQ(cycle.mode(), CycleMode::Calculation);
    EXPECT_EQ(design.primaryDiameter, "  ----------");
    EXPECT_EQ(press(), PressResult::CoreInsufficient);
    EXPECT_EQ(report.size(), 2u);
}

TEST_F(Cycle, ReturnToCalculationModeRunsTheWindingCalculationAgain) {
    press();
    cycle.returnToCalculationMode();
    design.primaryDiameter = "0,3";
    EXPECT_EQ(press(), PressResult::CoreSufficient);
    EXPECT_EQ(design.primaryDiameter, "");
}

class ThicknessCheck : public Cycle, public ::testing::WithParamInterface<const char*> {};

TEST_P(ThicknessCheck, MissingOrNotPositiveChangesNothingInEitherMode) {
    EXPECT_EQ(press(GetParam()), PressResult::ThicknessMissing);
    EXPECT_TRUE(report.empty());
    press();
    const auto before = report;
    design.primaryVoltage = "0";
    EXPECT_EQ(press(GetParam()), PressResult::ThicknessMissing);
    EXPECT_EQ(cycle.mode(), CycleMode::Fill);
    EXPECT_EQ(report, before);
    EXPECT_EQ(design.primaryVoltage, "0");
}

INSTANTIATE_TEST_SUITE_P(Texts, ThicknessCheck, ::testing::Values("", "0", "-0", "-1", ",", "0e5"));

TEST_F(Cycle, ThicknessThatIsNoNumberIsAConversionFailure) {
    EXPECT_THROW(press("0.1"), Failure);
    EXPECT_EQ(cycle.mode(), CycleMode::Calculation);
}

struct FloorCase {
    const char* primary;
    const char* after;
};

void PrintTo(const FloorCase& c, std::ostream* os) {
    testing::printFields(os, c.primary);
}

class PrimaryFloor : public Cycle, public ::testing::WithParamInterface<FloorCase> {};

TEST_P(PrimaryFloor, RaisesVoltagesBelowATenth) {
    design.primaryVoltage = GetParam().primary;
    design.secondaries = {{"", "", ""}};
    press();
    EXPECT_EQ(design.primaryVoltage, GetParam().after);
    EXPECT_EQ(report[2], std::string("Напряжение первичной обмотки, В - ") + GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Voltages, PrimaryFloor,
                         ::testing::Values(FloorCase{"0", "0,1"}, FloorCase{"-5", "0,1"},
                                           FloorCase{"0,0999", "0,1"}, FloorCase{"0,1", "0,1"},
                                           FloorCase{"0,10", "0,10"}, FloorCase{" 1e-1", " 1e-1"}));

TEST_F(Cycle, FailureInTheWindingCalculationKeepsCalculationMode) {
    design.secondaries = {{"12", "-2", ""}};
    EXPECT_THROW(press(), Failure);
    EXPECT_EQ(cycle.mode(), CycleMode::Calculation);
    EXPECT_EQ(design.primaryDiameter, "  ----------");
}

TEST_F(Cycle, EmptyPrimaryVoltageIsAConversionFailure) {
    design.primaryVoltage = "";
    try {
        press();
        FAIL();
    } catch (const Failure& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
    }
}

} // namespace
} // namespace navivor
