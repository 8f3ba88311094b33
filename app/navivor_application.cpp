#include "app/navivor_application.h"

#include "ui/desktop/failure_box.h"

#include <QIcon>

#include <exception>

namespace navivor {

NavivorApplication::NavivorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName("Navivor");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/images/app/navivor-%1.png").arg(size));
    setWindowIcon(icon);
}

bool NavivorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        showFailureBox(QString::fromUtf8(failure.what()));
    }
    // Nothing is rolled back: what the handler did before the failure stays done.
    return true;
}

} // namespace navivor
