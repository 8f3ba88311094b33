// SPDX-License-Identifier: GPL-3.0-or-later
// The failure message box: caption "Navivor", the failure's message with its closing full
// stop, an error icon and OK. Every failure that leaves a handler ends here, and the
// program goes on.
#pragma once

#include <QString>

#include <functional>

namespace navivor {

void showFailureBox(const QString& message);

// Runs the action and shows a failure that leaves it in the failure box; false when one did.
// Failures must not travel through Qt's event dispatch, which does not unwind cleanly.
bool showingFailures(const std::function<void()>& action);

// The handler as a slot that shows its failures in the failure box.
template <typename Handler> auto reportingFailures(Handler handler) {
    return [handler] { showingFailures(handler); };
}

} // namespace navivor
