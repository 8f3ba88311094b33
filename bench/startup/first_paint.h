// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the program once the window has painted for the first time, and prints the moment of
// that paint on the monotonic clock, in nanoseconds, for the benchmark to subtract its start.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace navivor::bench {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so that the paint itself completes first.
            QTimer::singleShot(0, qApp, [] {
                // steady_clock is CLOCK_MONOTONIC here, the clock of Python's monotonic_ns().
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool painted_ = false;
};

inline void quitAfterFirstPaint(QWidget* window) {
    window->installEventFilter(new QuitAfterFirstPaint(window));
}

} // namespace navivor::bench
