// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navivor_application.h"

#include "ui/desktop/failure_box.h"
#include "ui/resources/images.h"

namespace navivor {

NavivorApplication::NavivorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName("Navivor");
    // The desktop finds the program's entry, and with it its name and icon, by this id.
    setDesktopFileName(QStringLiteral(NAVIVOR_APP_ID));
    setWindowIcon(applicationIcon());
}

bool NavivorApplication::notify(QObject* receiver, QEvent* event) {
    // Nothing is rolled back: what the handler did before a failure stays done.
    bool handled = true;
    showingFailures([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace navivor
