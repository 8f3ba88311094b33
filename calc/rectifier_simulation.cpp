// SPDX-License-Identifier: GPL-3.0-or-later
#include "rectifier_simulation.h"

#include "text/failure.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace navivor {
namespace {

// A fixed count of steps: the run's time never depends on the figures.
constexpr int kStepsPerPeriod = 2000;
constexpr int kSteadyStateRounds = 48;
constexpr double kLowMains = 0.9; // the mains 10 % below nominal
// The capacitor's search, on a logarithmic scale between 1 uF and 1 F.
constexpr double kLeastUF = 1;
constexpr double kMostUF = 1e6;
constexpr int kSearchRounds = 40;
// The searches for what would hold the trough stop at a millionth of the value, far below
// what the report shows; the winding's voltage is sought between 1 mV and 1 MV.
constexpr int kHoldingSearchRounds = 24;
constexpr double kLeastHoldingV = 1e-3;
constexpr double kMostHoldingV = 1e6;

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

// The rectified sine at the end of each step of a period, worked out once for the many
// periods a run steps through.
std::vector<double> rectifiedSine(const Circuit& circuit) {
    std::vector<double> wave(kStepsPerPeriod);
    for (int k = 0; k < kStepsPerPeriod; ++k) {
        const double sine = std::sin(2 * std::numbers::pi * (k + 1) / kStepsPerPeriod);
        wave[k] = circuit.bothHalves ? std::abs(sine) : std::max(sine, 0.0);
    }
    return wave;
}

// One period stepped from the capacitor's voltage at its start; the run records what it
// measures when given one.
double stepPeriod(const RectifierInput& input, const Circuit& circuit,
                  const std::vector<double>& wave, double step, double capacitance, double voltage,
                  RectifierRun* run) {
    // Backward Euler while the diodes conduct, so a small resistance and capacitance stay
    // stable at any step.
    const double discharge = step / capacitance;
    const double chargeShare = step / circuit.resistance / capacitance;
    double sum = 0;
    double sumOfSquares = 0;
    double highest = voltage;
    double lowest = voltage;
    for (int k = 0; k < kStepsPerPeriod; ++k) {
        const double driving = wave[k] * circuit.peak - circuit.drop;
        double current = 0;
        double next = voltage - discharge * input.dcCurrent;
        if (driving > voltage) {
            const double charged =
                (voltage + chargeShare * driving - discharge * input.dcCurrent) / (1 + chargeShare);
            current = (driving - charged) / circuit.resistance;
            if (current > 0)
                next = charged;
            else
                current = 0;
        }
        voltage = std::max(next, 0.0);
        sum += voltage;
        sumOfSquares += current * current;
        highest = std::max(highest, voltage);
        lowest = std::min(lowest, voltage);
        if (run)
            run->diodePeakA = std::max(run->diodePeakA, current);
    }
    if (run) {
        run->averageV = sum / kStepsPerPeriod;
        run->troughV = lowest;
        run->rippleV = highest - lowest;
        run->windingRmsA = std::sqrt(sumOfSquares / kStepsPerPeriod);
    }
    return voltage;
}

// The least value between least and most, on a logarithmic scale, that is enough, for a
// test that holds from some value upwards; none when most is not enough.
std::optional<double> leastOnLogScale(double least, double most, int rounds,
                                      const std::function<bool(double)>& enough) {
    if (!enough(most))
        return std::nullopt;
    if (enough(least))
        return least;
    double low = std::log(least);
    double high = std::log(most);
    for (int round = 0; round < rounds; ++round) {
        const double middle = (low + high) / 2;
        (enough(std::exp(middle)) ? high : low) = middle;
    }
    return std::exp(high);
}

bool holdsTrough(const RectifierInput& input, const RectifierRun& run) {
    return run.troughV >= input.dcVoltage + input.headroom;
}

} // namespace

RectifierRun runRectifier(const RectifierInput& input, const RectifierSource& source,
                          double capacitanceUF, double mainsFactor) {
    const Circuit circuit = circuitOf(input, source, mainsFactor);
    const std::vector<double> wave = rectifiedSine(circuit);
    const double capacitance = capacitanceUF * 1e-6;
    const double step = 1 / (source.frequency * kStepsPerPeriod);
    // The steady state is the voltage a period starts and ends at: a period started below it
    // ends higher, one started above it ends lower. Halving the range a fixed number of times
    // finds it whatever the time constant, where stepping on to it could take any number of
    // periods.
    double low = 0;
    double high = std::max(circuit.peak - circuit.drop, 0.0);
    for (int round = 0; round < kSteadyStateRounds; ++round) {
        const double start = (low + high) / 2;
        (stepPeriod(input, circuit, wave, step, capacitance, start, nullptr) > start ? low : high) =
            start;
    }
    RectifierRun run;
    stepPeriod(input, circuit, wave, step, capacitance, (low + high) / 2, &run);
    // Each half of a centre-tapped winding carries the charging pulses of its own half-period.
    if (input.kind == RectifierKind::CentreTap)
        run.windingRmsA /= std::numbers::sqrt2;
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
        const std::optional<double> least =
            leastOnLogScale(kLeastUF, kMostUF, kSearchRounds, [&](double uf) {
                return runRectifier(input, source, uf, 1).rippleV <= rippleV;
            });
        if (!least)
            throw Failure(text("RippleUnreachable"));
        result.capacitanceUF = *least;
    }
    result.nominal = runRectifier(input, source, result.capacitanceUF, 1);
    result.lowMains = runRectifier(input, source, result.capacitanceUF, kLowMains);
    result.troughHoldsDc = holdsTrough(input, result.lowMains);
    result.nominalTroughHoldsDc = holdsTrough(input, result.nominal);
    result.holdingCapacitanceUF =
        leastOnLogScale(kLeastUF, kMostUF, kHoldingSearchRounds, [&](double uf) {
            return holdsTrough(input, runRectifier(input, source, uf, kLowMains));
        });
    result.holdingOpenCircuitV =
        leastOnLogScale(kLeastHoldingV, kMostHoldingV, kHoldingSearchRounds, [&](double volts) {
            RectifierSource raised = source;
            raised.openCircuitVoltage = volts;
            return holdsTrough(input, runRectifier(input, raised, result.capacitanceUF, kLowMains));
        });
    return result;
}

} // namespace navivor
