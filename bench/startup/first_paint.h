// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the program once the window has painted for the first time.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace navivor::bench {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Queued, so that the paint itself completes first.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

inline void quitAfterFirstPaint(QWidget* window) {
    window->installEventFilter(new QuitAfterFirstPaint(window));
}

} // namespace navivor::bench
