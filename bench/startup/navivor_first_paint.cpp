// SPDX-License-Identifier: GPL-3.0-or-later
// Navivor's start-up as the program does it, ending at the main window's first paint: the
// measured half of the start-up benchmark.
#include "app/navivor_application.h"
#include "app/navivor_windows.h"
#include "first_paint.h"

int main(int argc, char** argv) {
    navivor::NavivorApplication application(argc, argv);
    navivor::NavivorWindows windows;
    navivor::bench::quitAfterFirstPaint(&windows.mainWindow());
    windows.mainWindow().show();
    return application.exec();
}
