// SPDX-License-Identifier: GPL-3.0-or-later
#include "rectifier_simulation.h"

#include "text/failure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace navivor {
namespace {

// A fixed count of steps: the run's time never depends on the figures. The capacitor starts
// charged to the unloaded peak, and the last period is the one measured.
constexpr int kStepsPerPeriod = 1000;
constexpr int kPeriods = 100;
// The capacitor's search, on a logarithmic scale between 1 uF and 1 F.
constexpr double kLeastUF = 1;
constexpr double kMostUF = 1e6;
constexpr int kSearchRounds = 40;

bool isPositive(double value) {
    return value > 0 && std::isfinite(value);
}

struct Circuit {
    double peak;       // V of the source feeding one conducting path
    double resistance; // ohm of that path
    double drop;       // V of the diodes in it
    bool bothHalves;   // a full-wave rectifier charges on both half-periods
};

Circuit circuitOf(const RectifierInput& input, const RectifierSource& source, double mainsFactor) {
    const double peak = std::numbers::sqrt2 * source.openCircuitVoltage * mainsFactor;
    switch (input.kind) {
    case RectifierKind::Bridge:
        return {peak, source.resistance, 2 * input.diodeDrop, true};
    case RectifierKind::CentreTap:
        return {peak / 2, source.resistance / 2, input.diodeDrop, true};
    case RectifierKind::HalfWave:
        break;
    }
    return {peak, source.resistance, input.diodeDrop, false};
}

} // namespace

RectifierRun runRectifier(const RectifierInput& input, const RectifierSource& source,
                          double capacitanceUF, double mainsFactor) {
    const Circuit circuit = circuitOf(input, source, mainsFactor);
    const double capacitance = capacitanceUF * 1e-6;
    const double step = 1 / (source.frequency * kStepsPerPeriod);
    // Backward Euler while the diodes conduct, so a small resistance and capacitance stay
    // stable at any step.
    const double discharge = step / capacitance;
    const double chargeShare = step / circuit.resistance / capacitance;
    double voltage = std::max(circuit.peak - circuit.drop, 0.0);
    RectifierRun run;
    double sum = 0;
    double sumOfSquares = 0;
    double highest = 0;
    run.troughV = voltage;
    for (int period = 0; period < kPeriods; ++period) {
        const bool measured = period == kPeriods - 1;
        for (int k = 0; k < kStepsPerPeriod; ++k) {
            const double angle = 2 * std::numbers::pi * (k + 1) / kStepsPerPeriod;
            const double sine = std::sin(angle);
            const double driving =
                (circuit.bothHalves ? std::abs(sine) : std::max(sine, 0.0)) * circuit.peak -
                circuit.drop;
            double current = 0;
            double next = voltage - discharge * input.dcCurrent;
            if (driving > voltage) {
                const double charged =
                    (voltage + chargeShare * driving - discharge * input.dcCurrent) /
                    (1 + chargeShare);
                current = (driving - charged) * chargeShare / discharge;
                if (current > 0)
                    next = charged;
                else
                    current = 0;
            }
            voltage = std::max(next, 0.0);
            if (!measured)
                continue;
            sum += voltage;
            sumOfSquares += current * current;
            run.diodePeakA = std::max(run.diodePeakA, current);
            highest = k == 0 ? voltage : std::max(highest, voltage);
            run.troughV = k == 0 ? voltage : std::min(run.troughV, voltage);
        }
    }
    run.averageV = sum / kStepsPerPeriod;
    run.rippleV = highest - run.troughV;
    // Each half of a centre-tapped winding carries the charging pulses of its own half-period.
    const double meanSquare = sumOfSquares / kStepsPerPeriod;
    run.windingRmsA =
        std::sqrt(input.kind == RectifierKind::CentreTap ? meanSquare / 2 : meanSquare);
    return run;
}

SmoothedRectifier smoothedRectifier(const RectifierInput& input, const RectifierSource& source,
                                    std::optional<double> capacitanceUF, double rippleV,
                                    const MessageLookup& text) {
    if (input.kind == RectifierKind::HalfWave &&
        input.dcVoltage * input.dcCurrent > kMostHalfWaveWatts)
        throw Failure(text("HalfWaveTooMuch"));
    if (!isPositive(source.openCircuitVoltage) || !isPositive(source.resistance) ||
        !isPositive(source.frequency))
        throw Failure(text("SourceNotPositive"));
    SmoothedRectifier result;
    if (capacitanceUF) {
        if (!isPositive(*capacitanceUF) || *capacitanceUF > kMostUF)
            throw Failure(text("CapacitanceRange"));
        result.capacitanceUF = *capacitanceUF;
    } else {
        if (!isPositive(rippleV))
            throw Failure(text("RippleNotPositive"));
        const auto ripple = [&](double uf) { return runRectifier(input, source, uf, 1).rippleV; };
        if (ripple(kMostUF) > rippleV)
            throw Failure(text("RippleUnreachable"));
        double low = std::log(kLeastUF);
        double high = std::log(kMostUF);
        if (ripple(kLeastUF) <= rippleV)
            high = low;
        for (int round = 0; round < kSearchRounds && high > low; ++round) {
            const double middle = (low + high) / 2;
            (ripple(std::exp(middle)) <= rippleV ? high : low) = middle;
        }
        result.capacitanceUF = std::exp(high);
    }
    result.nominal = runRectifier(input, source, result.capacitanceUF, 1);
    result.lowMains = runRectifier(input, source, result.capacitanceUF, 0.9);
    result.troughHoldsDc = result.lowMains.troughV >= input.dcVoltage + input.headroom;
    return result;
}

} // namespace navivor
