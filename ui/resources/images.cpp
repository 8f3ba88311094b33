// SPDX-License-Identifier: GPL-3.0-or-later
// Maps the toolbar's image-list positions to the packed toolbar images.
#include "ui/resources/images.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QString>

#include <array>

namespace navivor {

QPixmap packedImage(const QString& path) {
    QImageReader reader(path, "png");
    // Told the format, the reader still offers the file to every image plugin first (loading
    // each) unless it is told not to look further.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(packedImage(QString(":/images/app/navivor-%1.png").arg(size)));
    return icon;
}

QIcon toolbarIcon(int index) {
    static constexpr std::array<const char*, 9> names{
        "exit", "save", "font", "page", "print", "background", "table", "about", "question"};
    if (index < 0 || index >= static_cast<int>(names.size())) {
        return {};
    }
    const QString base = QStringLiteral(":/images/toolbar/") + QLatin1String(names[index]);
    // The twin for high-density screens is decoded only where the screen needs it.
    QIcon icon(packedImage(base + QStringLiteral(".png")));
    if (qApp && qApp->devicePixelRatio() > 1) {
        QPixmap twin = packedImage(base + QStringLiteral("@2x.png"));
        twin.setDevicePixelRatio(2);
        icon.addPixmap(twin);
    }
    return icon;
}

} // namespace navivor
