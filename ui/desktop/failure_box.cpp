// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/failure_box.h"

#include "text/failure.h"
#include "ui/desktop/desktop.h"

#include <QApplication>

#include <exception>

namespace navivor {

void showFailureBox(const QString& message) {
    const std::string text = withClosingFullStop(message.toStdString());
    Desktop::instance().showMessage(QApplication::activeWindow(), "Navivor",
                                    QString::fromStdString(text), MessageIcon::Error);
}

bool showingFailures(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        showFailureBox(QString::fromUtf8(failure.what()));
        return false;
    }
}

} // namespace navivor
