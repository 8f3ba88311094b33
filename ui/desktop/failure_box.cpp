#include "ui/desktop/failure_box.h"

#include "calc/calc_error.h"
#include "ui/desktop/desktop.h"

#include <QApplication>

namespace navivor {

void showFailureBox(const QString& message) {
    const std::string text = withClosingFullStop(message.toStdString());
    Desktop::instance().showMessage(QApplication::activeWindow(), "Navivor",
                                    QString::fromStdString(text), MessageIcon::Error);
}

} // namespace navivor
