// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rectifier.h"
#include "calc/winding_sheet.h"
#include "calc/winding_sheet_text.h"
#include "support/separator_scope.h"
#include "text/failure.h"
#include "text/number_text.h"

#include <gmock/gmock.h>

#include <functional>

namespace navivor {
namespace {

// The key of a text in place of the text, its arguments still to fill in.
std::string keyOnly(std::string_view key) {
    return std::string(key);
}

struct RectifierCase {
    RectifierKind kind;
    double dcVoltage, dcCurrent, acVoltage, acCurrent, voltAmperes;
};

// The published capacitor-input lines with their own 1 V a diode: bridge VAC = 0,8 (VDC + 2),
// IAC = 1,8 IDC, VA = 1,4 (W + 2 IDC); centre-tap 1,7 (VDC + 1), 1,2 IDC, 1,7 (W + IDC) (the
// table's own example: 5 V 2 A gives 10,2 V 2,4 A); half-wave 0,88 (VDC + 1), 2,6 IDC,
// 2,3 (W + IDC) (its example: 5 V gives 5,3 V).
TEST(Rectifier, PublishedFactors) {
    const RectifierCase cases[] = {
        {RectifierKind::Bridge, 12, 1, 11.2, 1.8, 19.6},
        {RectifierKind::CentreTap, 5, 2, 10.2, 2.4, 20.4},
        {RectifierKind::HalfWave, 5, 1, 5.28, 2.6, 13.8},
    };
    for (const RectifierCase& c : cases) {
        const auto ac = secondaryForRectifier({c.dcVoltage, c.dcCurrent, c.kind, 1, 0}, keyOnly);
        EXPECT_DOUBLE_EQ(ac.acVoltage, c.acVoltage) << c.dcVoltage;
        EXPECT_DOUBLE_EQ(ac.acCurrent, c.acCurrent) << c.dcVoltage;
        EXPECT_NEAR(ac.voltAmperes, c.voltAmperes, 1e-12) << c.dcVoltage;
    }
    // A regulator's headroom and another diode take the place of the table's 1 V.
    EXPECT_DOUBLE_EQ(
        secondaryForRectifier({12, 1, RectifierKind::Bridge, 0.7, 3}, keyOnly).acVoltage,
        0.8 * 16.4);
    EXPECT_THROW(secondaryForRectifier({0, 1, RectifierKind::Bridge, 1, 0}, keyOnly), Failure);
    EXPECT_THROW(secondaryForRectifier({12, 1, RectifierKind::Bridge, -1, 0}, keyOnly), Failure);
    EXPECT_THROW(secondaryForRectifier({1e300, 1e300, RectifierKind::Bridge, 1, 0}, keyOnly),
                 Failure);

    const testing::SeparatorScope comma(",");
    EXPECT_EQ(trimmedFixedText(11.2, 2), "11,2");
    EXPECT_EQ(trimmedFixedText(18, 2), "18");
    EXPECT_EQ(trimmedFixedText(5.28, 2), "5,28");
}

CalculatedTransformer firstWorkedExample() {
    // 220 V to 12 V 2 A at 50 Hz on 1000 mm2: 1210 and 69 turns, wires 0,27 and 1,12 chosen.
    return {50, 1000, {220, 0, 1210, 0.27}, {{12, 2, 69, 1.12}}};
}

// Worked by hand for the first worked example on the standard core (tongue and stack
// sqrt(1000) = 31,623, window 15,811 x 47,434 mm), bobbin wall 1, layer tape 0,05 mm:
//   primary: enamel 0,27 -> 0,319 (0,265/0,314 and 0,280/0,329 both add 0,049); bobbin length
//   45,434 mm holds 142 turns a layer, 9 layers, build-up 9 x 0,369 = 3,321 mm; mean turn
//   4 x 31,623 + 8 x (1 + 3,321 / 2) = 147,78 mm; 1210 turns = 178,81 m; copper section
//   0,057256 mm2, so 53,84 ohm at 20 degC, 65,48 ohm at 75 degC; current 2 x 69 / 1210 =
//   0,11405 A drops 7,468 V.
//   secondary: 1,12 -> 1,217; 37 turns a layer, 2 layers, 2,534 mm; mean turn 126,49 +
//   8 x (4,321 + 1,267) = 171,20 mm; 11,81 m; 0,2067 / 0,2514 ohm; 2 A drop 0,503 V, loss
//   1,006 W; loaded 69 x (220 - 7,468) / 1210 - 0,503 = 11,617 V; no load 12,545 V;
//   12 V under load needs 12 / (212,532 / 1210 - 0,503 / 69) = 71,3 -> 71 turns.
//   Flux density 220 / (4,4429 x 50 x 1210 x 0,001) = 0,8185 T, 0,9003 T at +10 %.
TEST(WindingSheet, FirstWorkedExample) {
    const WindingSheet sheet = computeWindingSheet(firstWorkedExample(), standardCoreGeometry(1000),
                                                   WindingAllowances(), keyOnly);
    const SheetRow& primary = sheet.primary;
    EXPECT_EQ(primary.turnsPerLayer, 142);
    EXPECT_EQ(primary.layers, 9);
    EXPECT_NEAR(primary.buildUp, 3.321, 1e-9);
    EXPECT_NEAR(primary.meanTurn, 147.775, 1e-3);
    EXPECT_NEAR(primary.length, 178.808, 1e-3);
    EXPECT_NEAR(primary.resistance20, 53.844, 1e-3);
    EXPECT_NEAR(primary.resistanceHot, 65.483, 1e-3);
    EXPECT_NEAR(primary.drop, 7.468, 1e-3);

    ASSERT_EQ(sheet.secondaries.size(), 1u);
    const SheetRow& secondary = sheet.secondaries[0];
    EXPECT_EQ(secondary.turnsPerLayer, 37);
    EXPECT_EQ(secondary.layers, 2);
    EXPECT_NEAR(secondary.meanTurn, 171.195, 1e-3);
    EXPECT_NEAR(secondary.lengthToBuy, 1.1 * secondary.length, 1e-12);
    EXPECT_NEAR(secondary.resistanceHot, 0.25140, 1e-5);
    EXPECT_NEAR(secondary.loss, 1.0056, 1e-4);
    EXPECT_NEAR(secondary.noLoadVoltage, 12.5455, 1e-4);
    EXPECT_NEAR(secondary.loadedVoltage, 11.617, 1e-3);
    EXPECT_EQ(secondary.turnsForNominal, 71);
    EXPECT_TRUE(sheet.fits);
    EXPECT_NEAR(sheet.totalBuildUp, 6.855, 1e-3);
    EXPECT_NEAR(sheet.fluxDensity, 0.81847, 1e-5);
    EXPECT_NEAR(sheet.fluxDensityHighMains, 0.90032, 1e-5);
}

TEST(WindingSheet, SaysWhatDoesNotFit) {
    CoreGeometry narrow = standardCoreGeometry(1000);
    narrow.windowWidth = 6;
    EXPECT_FALSE(computeWindingSheet(firstWorkedExample(), narrow, {}, keyOnly).fits);

    // Over a 1 mm bobbin the 1,217 mm secondary wire lays one turn a layer and never fits.
    CoreGeometry shallow = standardCoreGeometry(1000);
    shallow.windowHeight = 3;
    const WindingSheet sheet = computeWindingSheet(firstWorkedExample(), shallow, {}, keyOnly);
    EXPECT_EQ(sheet.primary.turnsPerLayer, 3);
    EXPECT_EQ(sheet.secondaries[0].turnsPerLayer, 0);
    EXPECT_EQ(sheet.secondaries[0].layers, 69);
    EXPECT_FALSE(sheet.fits);

    const testing::SeparatorScope comma(",");
    const auto lines = windingSheetLines(shallow, {}, sheet,
                                         [](std::string_view key) { return std::string(key); });
    EXPECT_THAT(lines, ::testing::Contains("SheetWireTooWide"));
    EXPECT_THAT(lines, ::testing::Contains("SheetDoesNotFit"));
    EXPECT_THAT(lines, ::testing::Contains("SheetTurnsPerLayer 3 / 404"));
}

TEST(WindingSheet, RefusesWhatHasNoMeaning) {
    CalculatedTransformer noWire = firstWorkedExample();
    noWire.secondaries[0].diameter = 0;
    EXPECT_THROW(computeWindingSheet(noWire, standardCoreGeometry(1000), {}, keyOnly), Failure);
    CalculatedTransformer noTurns = firstWorkedExample();
    noTurns.primary.turns = 0;
    EXPECT_THROW(computeWindingSheet(noTurns, standardCoreGeometry(1000), {}, keyOnly), Failure);
    EXPECT_THROW(computeWindingSheet(firstWorkedExample(), {0, 1, 1, 1}, {}, keyOnly), Failure);
}

struct RangeCase {
    std::function<void(CalculatedTransformer&, CoreGeometry&, WindingAllowances&)> change;
    std::string refusal; // empty: the sheet is given
};

// Each figure at and past the ends of its range, on the first worked example's standard core
// (window 15,811 x 47,434 mm); a wire in range whose drop leaves no voltage under load.
TEST(WindingSheet, KeepsEveryFigureInItsRange) {
    const auto text = [](std::string_view key) {
        return key == "Range"           ? "%1 %2..%3"
               : key == "RangeBelow"    ? "%1 %2..<%3"
               : key == "SecondaryWire" ? "SecondaryWire%1"
               : key == "SecondaryDrop" ? "SecondaryDrop%1"
                                        : std::string(key);
    };
    using T = CalculatedTransformer;
    using C = CoreGeometry;
    using A = WindingAllowances;
    const RangeCase cases[] = {
        {[](T&, C& c, A&) { c.tongueWidth = 1; }, ""},
        {[](T&, C& c, A&) { c.tongueWidth = 0.99; }, "TongueWidth 1..1000"},
        {[](T&, C&, A& a) { a.bobbinWall = 15.8; }, "LayerTape 0..<0.01"},
        {[](T&, C& c, A& a) { a.bobbinWall = c.windowWidth; }, "BobbinWall 0..<15.81"},
        {[](T&, C&, A& a) { a.layerInsulation = 14.9; }, "LayerTape 0..<14.81"},
        {[](T&, C&, A& a) { a.workingTemperature = -60; }, ""},
        {[](T&, C&, A& a) { a.workingTemperature = 220.5; }, "Temperature -60..220"},
        {[](T& t, C&, A&) { t.secondaries[0].diameter = 10; }, ""},
        {[](T& t, C&, A&) { t.secondaries[0].diameter = 1e-300; }, "SecondaryWire1 0.01..10"},
        {[](T& t, C&, A&) { t.secondaries[0].diameter = 0.01; }, "SecondaryDrop1"},
    };
    for (const RangeCase& c : cases) {
        T transformer = firstWorkedExample();
        C core = standardCoreGeometry(1000);
        A allowances;
        c.change(transformer, core, allowances);
        try {
            const WindingSheet sheet = computeWindingSheet(transformer, core, allowances, text);
            EXPECT_EQ(c.refusal, "");
            EXPECT_GT(sheet.secondaries[0].loadedVoltage, 0);
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(), c.refusal);
        }
    }
}

} // namespace
} // namespace navivor
