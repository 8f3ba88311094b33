// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/core_steel.h"
#include "calc/rectifier_simulation.h"
#include "calc/window_fit.h"
#include "text/failure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace navivor {
namespace {

std::string keyOnly(std::string_view key) {
    return std::string(key);
}

// The default grade is the middle one (the higher-loss of two) of the nearest thickness.
TEST(CoreSteel, DefaultGradeOfTheThickness) {
    const std::pair<double, std::string_view> cases[] = {{0.35, "M330-35A"}, {0.1, "M330-35A"},
                                                         {0.5, "M530-50A"},  {0.6, "M1000-65A"},
                                                         {2, "M1000-100A"},  {0, "M530-50A"}};
    for (const auto& [thickness, name] : cases)
        EXPECT_EQ(defaultSteelGrade(thickness).name, name) << thickness;
}

// By hand: the guaranteed figure at 1.5 T 50 Hz; Steinmetz's law below and above it.
TEST(CoreSteel, SpecificLossScalesAsSteinmetzSays) {
    const SteelGrade& grade = *steelGradeNamed("M400-50A");
    const struct {
        double flux, frequency, loss;
    } cases[] = {{1.5, 50, 4.0}, {0.75, 50, 4.0 * 0.329876978}, {1.5, 60, 4.8}};
    for (const auto& c : cases)
        EXPECT_NEAR(specificLoss(grade, c.flux, c.frequency), c.loss, 1e-6) << c.flux;
}

// M350-50A's curve at 1.16 T (B_N = 1): mu_r = 1 + (1209 + 24630) / (1 + 2.44 + 1) = 5820.6,
// so H = 1.16 / (4 pi 1e-7 x 5820.6) = 158.6 A/m.
TEST(CoreSteel, FieldStrengthOfTheTypicalCurve) {
    EXPECT_NEAR(fieldStrength(*steelGradeNamed("M350-50A"), 1.16), 158.59, 0.01);
    EXPECT_GT(fieldStrength(*steelGradeNamed("M350-50A"), 1.8),
              20 * fieldStrength(*steelGradeNamed("M350-50A"), 1.3));
}

// Window 12.85 mm, wall 1, windings 5 + 5.95 mm, 0.4 mm between and over them.
TEST(WindowFit, ThresholdsOfTheRule) {
    const FitAllowances allowances;
    const struct {
        std::vector<double> buildUps;
        bool lies;
        Fit fit;
        double percent;
    } cases[] = {
        {{5, 5.95}, true, Fit::Tight, 100 * 12.75 / 12.85},
        {{4, 4}, true, Fit::Fits, 100 * 9.8 / 12.85},
        {{5, 6.1}, true, Fit::DoesNotFit, 100 * 12.9 / 12.85},
        {{1}, true, Fit::Fits, 100 * 2.4 / 12.85},
        {{1, 1}, false, Fit::DoesNotFit, 100 * 3.8 / 12.85},
    };
    for (const auto& c : cases) {
        const FitVerdict verdict = judgeFit(12.85, 1, c.buildUps, c.lies, allowances);
        EXPECT_EQ(verdict.fit, c.fit) << c.percent;
        EXPECT_NEAR(verdict.fillPercent, c.percent, 1e-9);
    }
}

TEST(RectifierSimulation, RefusalsSayWhy) {
    const RectifierSource source{12, 0.5, 50};
    const struct {
        RectifierInput input;
        std::optional<double> capacitance;
        double ripple;
        const char* key;
    } cases[] = {
        {{5, 0.2, RectifierKind::HalfWave, 1, 0}, 1000, 0, "HalfWaveTooMuch"},
        {{12, 1, RectifierKind::Bridge, 1, 0}, 0, 0, "CapacitanceRange"},
        {{12, 1, RectifierKind::Bridge, 1, 0}, std::nullopt, 0, "RippleNotPositive"},
        {{12, 1, RectifierKind::Bridge, 1, 0}, std::nullopt, 1e-9, "RippleUnreachable"},
    };
    for (const auto& c : cases) {
        try {
            smoothedRectifier(c.input, source, c.capacitance, c.ripple, keyOnly);
            ADD_FAILURE() << c.key;
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), c.key);
        }
    }
}

// A light load on a large capacitor: the output sits at the peak less two diode drops and
// the resistive drop of the charging pulses; the ripple is about I / (2 f C) = 0.01 V.
TEST(RectifierSimulation, LightLoadOnALargeCapacitor) {
    const RectifierInput input{12, 0.01, RectifierKind::Bridge, 1, 0};
    const SmoothedRectifier result = smoothedRectifier(
        input, {12, 1, 50}, 10000, 0, [](std::string_view key) { return std::string(key); });
    EXPECT_NEAR(result.nominal.averageV, 12 * 1.41421356 - 2, 0.3);
    EXPECT_NEAR(result.nominal.rippleV, 0.01, 0.002);
    EXPECT_NEAR(result.lowMains.averageV, 0.9 * 12 * 1.41421356 - 2, 0.3);
    EXPECT_TRUE(result.troughHoldsDc);
    EXPECT_TRUE(result.nominalTroughHoldsDc);
    // At mains -10 % the peak less the drops is 0.9 x 12 x 1.414 - 2 = 13.27 V; the trough
    // holds 12 V when the capacitor carries the load from one peak to where the next
    // half-wave rises through 14 V, at asin(14 / 15.27) = 66.5 deg: 156.5 deg, 8.69 ms,
    // C = 0.01 A x 8.69 ms / 1.27 V = 68.4 uF. With this capacitor the winding needs
    // 14 V / (0.9 x 1.414) = 11.0 V, a little more for the charging pulses.
    EXPECT_NEAR(*result.holdingCapacitanceUF, 68.4, 0.7);
    EXPECT_NEAR(*result.holdingOpenCircuitV, 11.0, 0.15);
}

// A 12 V 1 A bridge on the 11.78 V, 1.11 ohm winding of its smallest core: at mains -10 % it
// averages below 12 V, so no capacitor holds the trough; a higher winding does.
TEST(RectifierSimulation, WhatWouldHoldTheTrough) {
    const SmoothedRectifier result =
        smoothedRectifier({12, 1, RectifierKind::Bridge, 1, 0}, {11.78, 1.11, 50}, 4700, 0,
                          [](std::string_view key) { return std::string(key); });
    EXPECT_FALSE(result.troughHoldsDc);
    EXPECT_FALSE(result.nominalTroughHoldsDc);
    EXPECT_FALSE(result.holdingCapacitanceUF);
    ASSERT_TRUE(result.holdingOpenCircuitV);
    EXPECT_GT(*result.holdingOpenCircuitV, 11.78 * 1.2);
    const RectifierInput input{12, 1, RectifierKind::Bridge, 1, 0};
    EXPECT_NEAR(runRectifier(input, {*result.holdingOpenCircuitV, 1.11, 50}, 4700, 0.9).troughV, 12,
                1e-4);
}

} // namespace
} // namespace navivor
