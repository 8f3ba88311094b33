// SPDX-License-Identifier: GPL-3.0-or-later
// Navivor: calculates small mains power transformers on an E-shaped laminated core.
#include "app/navivor_application.h"
#include "app/navivor_windows.h"
#include "ui/desktop/failure_box.h"

#include <memory>

int main(int argc, char** argv) {
    navivor::NavivorApplication application(argc, argv);
    std::unique_ptr<navivor::NavivorWindows> windows;
    // Without its windows there is no program to run.
    if (!navivor::showingFailures([&] { windows = std::make_unique<navivor::NavivorWindows>(); }))
        return 1;
    windows->mainWindow().show();
    application.exec();
    return 0;
}
