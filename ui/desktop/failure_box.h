// The failure message box: caption "Navivor", the failure's message with its closing full
// stop, an error icon and OK. Every failure that leaves a handler ends here, and the
// program goes on.
#pragma once

#include <QString>

#include <exception>

namespace navivor {

void showFailureBox(const QString& message);

// The handler as a slot that shows its failures in the failure box. Failures must not travel
// through Qt's event dispatch, which does not unwind cleanly.
template <typename Handler> auto reportingFailures(Handler handler) {
    return [handler] {
        try {
            handler();
        } catch (const std::exception& failure) {
            showFailureBox(QString::fromUtf8(failure.what()));
        }
    };
}

} // namespace navivor
