// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the last stop of a failure that leaves an event handler without
// passing the failure box, after which the program goes on.
#pragma once

#include <QApplication>

namespace navivor {

class NavivorApplication : public QApplication {
    Q_OBJECT
public:
    NavivorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace navivor
