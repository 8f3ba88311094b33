// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of any Qt Widgets program here: one window with one label, ending at its first
// paint. The baseline half of the start-up benchmark.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Navivor"));
    window.resize(447, 294);
    navivor::bench::quitAfterFirstPaint(&window);
    window.show();
    return application.exec();
}
