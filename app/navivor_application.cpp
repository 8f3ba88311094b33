#include "app/navivor_application.h"

#include "calc/calc_error.h"
#include "ui/desktop/desktop.h"

#include <QIcon>

#include <exception>

namespace navivor {

NavivorApplication::NavivorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName("Navivor");
    setApplicationDisplayName("Navivor");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/images/app/navivor-%1.png").arg(size));
    setWindowIcon(icon);
}

bool NavivorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        showFailure(QString::fromUtf8(failure.what()));
    } catch (...) {
        showFailure("Unknown failure");
    }
    // Nothing is rolled back: what the handler did before the failure stays done.
    return true;
}

void NavivorApplication::showFailure(const QString& message) {
    const std::string text = withClosingFullStop(message.toStdString());
    Desktop::instance().showMessage(activeWindow(), "Navivor", QString::fromStdString(text),
                                    MessageIcon::Error);
}

} // namespace navivor
