// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_choice.h"

#include "text/failure.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace navivor {
namespace {

// The choice the core makes, if it holds the windings. The winding calculation takes the
// section in whole mm2, as the main window's spin field does; the part of a mm2 left out
// errs on the safe side.
std::optional<CoreChoice> choiceOf(const WindingDesign& design, const Lamination& lamination,
                                   double stack, const WindingAllowances& allowances,
                                   const MessageLookup& messages, const MessageLookup& sheetText) {
    WindingDesign trial = design;
    trial.coreSection = static_cast<std::int32_t>(std::floor(lamination.tongue * stack));
    TurnStore turns;
    ReportLines report;
    if (runWindingCalculation(trial, turns, messages, report) != WindingOutcome::CoreSufficient)
        return std::nullopt;
    const CoreGeometry core{lamination.tongue, stack, lamination.windowWidth,
                            lamination.windowHeight};
    WindingSheet sheet;
    try {
        sheet = computeWindingSheet(calculatedTransformer(trial, turns, report.figures), core,
                                    allowances, sheetText);
    } catch (const Failure&) {
        return std::nullopt;
    }
    // A pick is a core a winder would wind: a tight coil is no pick.
    if (sheet.fit.fit != Fit::Fits)
        return std::nullopt;
    const CoreOutline outline = coreOutline(core);
    return CoreChoice{lamination,
                      stack,
                      lamination.tongue * stack,
                      lamination.windowWidth * lamination.windowHeight,
                      sheet.fit.fillPercent,
                      sheet.totalMass,
                      outline.across * outline.along * stack};
}

} // namespace

std::vector<CoreChoice> coreChoices(const WindingDesign& design, std::span<const Lamination> series,
                                    double stackStep, const WindingAllowances& allowances,
                                    const MessageLookup& messages, const MessageLookup& sheetText) {
    // A bound on the work, far finer than any lamination.
    constexpr double kMostStepsPerTongue = 10000;
    if (!(stackStep > 0))
        throw Failure("the stack step must be above 0 mm");
    std::vector<CoreChoice> choices;
    for (const Lamination& lamination : series) {
        // Counted in steps, so that no sum of steps creeps past two tongues by rounding.
        const double stepsUpToTwoTongues = std::floor(lamination.tongue / stackStep + 1e-9);
        if (stepsUpToTwoTongues > kMostStepsPerTongue)
            throw Failure("a stack step of " + std::to_string(stackStep) + " mm is too fine");
        const auto steps = static_cast<long>(stepsUpToTwoTongues);
        for (long step = 0; step <= steps; ++step) {
            const double stack = lamination.tongue + static_cast<double>(step) * stackStep;
            if (auto choice =
                    choiceOf(design, lamination, stack, allowances, messages, sheetText)) {
                choices.push_back(std::move(*choice));
                break;
            }
        }
    }
    std::ranges::stable_sort(choices, {}, &CoreChoice::volume);
    return choices;
}

} // namespace navivor
