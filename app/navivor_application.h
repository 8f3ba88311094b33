// The application object: shows every failure that leaves an event handler in the failure
// message box, after which the program goes on.
#pragma once

#include <QApplication>

namespace navivor {

class NavivorApplication : public QApplication {
    Q_OBJECT
public:
    NavivorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Caption "Navivor", the message with its closing full stop, error icon, OK.
    static void showFailure(const QString& message);
};

} // namespace navivor
