// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/window_fill_check.h"
#include "support/comma_separator.h"
#include "support/print_fields.h"
#include "support/separator_scope.h"
#include "support/worked_example.h"
#include "text/failure.h"

#include <gmock/gmock.h>

namespace navivor {
namespace {

using ::testing::ElementsAre;

struct FillCase {
    const char* primaryDiameter;
    double primaryTurns;
    const char* secondaryDiameter;
    double secondaryTurns;
    std::int32_t windowArea;
    const char* lastLine;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    testing::printFields(os, c.primaryDiameter, c.primaryTurns, c.secondaryDiameter,
                         c.secondaryTurns, c.windowArea);
}

class WindowFill : public CommaSeparatorWithParam<FillCase> {};

TEST_P(WindowFill, LastLine) {
    const FillCase& c = GetParam();
    WindingDesign design;
    design.primaryDiameter = c.primaryDiameter;
    design.secondaries = {{"12", "2", c.secondaryDiameter}};
    design.windowArea = c.windowArea;
    TurnStore store;
    store.primary = c.primaryTurns;
    store.secondary[0] = c.secondaryTurns;
    ReportLines report;
    runWindowFillCheck(design, store, report);
    EXPECT_FALSE(report.cleared);
    ASSERT_EQ(report.lines.size(), 5u);
    EXPECT_EQ(report.lines.back(), c.lastLine);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowFill,
    ::testing::Values(FillCase{"0,27", 1210, "1,12", 69, 500, "Заполнение окна : 47,4 %"},
                      // large enough by Q alone, over 100 % by the margin of 1,3 Q + 10
                      FillCase{"0,27", 1210, "1,12", 69, 175, "Заполнение окна : 135,43 %"},
                      FillCase{"0,27", 1210, "1,12", 69, 100,
                               "Требуемая площадь окна : 272,4 мм.кв."},
                      // halfway values go to the even integer
                      FillCase{"0,5", 100, "", 0, 25, "Заполнение окна : 168 %"},
                      FillCase{"0,5", 100, "", 0, 24, "Требуемая площадь окна : 38,4 мм.кв."},
                      FillCase{"0", 1210, "0", 69, 1, "Заполнение окна : 1000 %"},
                      FillCase{"", 1210, "", 69, 500, "Заполнение окна : 2 %"}));

TEST(WindowFillLines, WorkedExample) {
    const testing::SeparatorScope comma(",");
    WindingDesign design;
    design.primaryDiameter = "0,27";
    design.secondaries = {{"12", "2", "1,12"}};
    design.windowArea = 500;
    TurnStore store;
    store.primary = 1210;
    store.secondary[0] = 69;
    ReportLines report;
    report.append("winding report");
    runWindowFillCheck(design, store, report);
    std::vector<std::string> expected = {"winding report"};
    expected.insert(expected.end(), testing::kWorkedExampleFill.begin(),
                    testing::kWorkedExampleFill.end());
    EXPECT_EQ(report.lines, expected);
}

TEST(WindowFillLines, EmptyCellsShowZero) {
    WindingDesign design;
    design.secondaries = {{"12", "2", ""}, {"5", "1", ""}};
    ReportLines report;
    runWindowFillCheck(design, TurnStore{}, report);
    EXPECT_EQ(design.primaryDiameter, "0");
    EXPECT_EQ(design.secondaries[0].diameter, "0");
    EXPECT_EQ(design.secondaries[1].diameter, "0");
    EXPECT_EQ(report.lines[2], "Принятый диаметр провода первичной обмотки : 0 мм.");
}

struct FailureCase {
    const char* primary;
    std::vector<const char*> secondaries;
    const char* message;
    const char* lastLine;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    testing::printFields(os, c.primary, c.secondaries);
}

class WindowFillFailures : public CommaSeparatorWithParam<FailureCase> {};

TEST_P(WindowFillFailures, StopAfterTheLinesBeforeTheBadCell) {
    const FailureCase& c = GetParam();
    WindingDesign design;
    design.primaryDiameter = c.primary;
    for (const char* diameter : c.secondaries)
        design.secondaries.push_back({"1", "1", diameter});
    TurnStore store;
    store.primary = 100;
    store.secondary.fill(100);
    ReportLines report;
    try {
        runWindowFillCheck(design, store, report);
        FAIL() << "no failure";
    } catch (const Failure& error) {
        EXPECT_STREQ(error.what(), c.message);
    }
    EXPECT_EQ(report.lines.back(), c.lastLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowFillFailures,
    ::testing::Values(FailureCase{"0.27",
                                  {"1"},
                                  "'0.27' is not a valid floating point value",
                                  "Принятый диаметр провода первичной обмотки : 0.27 мм."},
                      FailureCase{"1",
                                  {"a"},
                                  "'a' is not a valid floating point value",
                                  "Принятый диаметр провода первичной обмотки : 1 мм."},
                      FailureCase{"1",
                                  {"1", "", "x"},
                                  "'x' is not a valid floating point value",
                                  "Принятый диаметр провода вторичной обмотки 2 : 0 мм."},
                      FailureCase{"1e200",
                                  {},
                                  "Floating point overflow",
                                  "Принятый диаметр провода первичной обмотки : 1e200 мм."},
                      FailureCase{"1e2000",
                                  {},
                                  "Floating point overflow",
                                  "Принятый диаметр провода первичной обмотки : 1e2000 мм."},
                      FailureCase{"1e150",
                                  {},
                                  "Invalid floating point operation",
                                  "Принятый диаметр провода первичной обмотки : 1e150 мм."}));

} // namespace
} // namespace navivor
