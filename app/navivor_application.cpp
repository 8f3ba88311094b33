// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navivor_application.h"

#include "ui/desktop/failure_box.h"

#include <QIcon>

namespace navivor {

NavivorApplication::NavivorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName("Navivor");
    // The desktop finds the program's entry, and with it its name and icon, by this id.
    setDesktopFileName(QStringLiteral(NAVIVOR_APP_ID));
    // The sizes a window's title bar and task bar show; the desktop entry's icon theme holds
    // the large ones, and every file given is decoded at once.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QString(":/images/app/navivor-%1.png").arg(size));
    setWindowIcon(icon);
}

bool NavivorApplication::notify(QObject* receiver, QEvent* event) {
    // Nothing is rolled back: what the handler did before a failure stays done.
    bool handled = true;
    showingFailures([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace navivor
