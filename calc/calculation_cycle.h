// SPDX-License-Identifier: GPL-3.0-or-later
// The state machine behind the calculate button: in calculation mode a press runs the
// winding calculation, in fill mode the window fill check. The window around it shows the
// message box, the results and the captions; this class holds what the press decides.
#pragma once

#include "report_lines.h"
#include "turn_store.h"
#include "winding_calculation.h"
#include "winding_design.h"

#include <string_view>

namespace navivor {

enum class CycleMode { Calculation, Fill };

enum class PressResult {
    ThicknessMissing, // nothing changed; the thickness message is due
    CoreSufficient,   // winding report written, now in fill mode
    CoreInsufficient, // insufficiency lines written, still in calculation mode
    FillChecked,      // fill report appended
};

class CalculationCycle {
public:
    CycleMode mode() const { return mode_; }
    const TurnStore& turnStore() const { return turnStore_; }

    // Back to calculation mode: the reset button and the closing of the results window.
    void returnToCalculationMode() { mode_ = CycleMode::Calculation; }

    // One press after the language file has been opened: thickness check, primary voltage
    // floor, then the calculation of the current mode. A sufficient core switches to fill
    // mode and empties the primary diameter cell. Failures leave the mode unchanged.
    PressResult press(WindingDesign& design, std::string_view thickness, const MessageLookup& text,
                      ReportLines& report);

private:
    CycleMode mode_ = CycleMode::Calculation;
    TurnStore turnStore_;
};

} // namespace navivor
