// SPDX-License-Identifier: GPL-3.0-or-later
// Maps the toolbar's image-list positions to the packed toolbar images.
#include "ui/resources/images.h"

#include <QGuiApplication>
#include <QString>

#include <array>

namespace navivor {

QIcon toolbarIcon(int index) {
    static constexpr std::array<const char*, 9> names{
        "exit", "save", "font", "page", "print", "background", "table", "about", "question"};
    if (index < 0 || index >= static_cast<int>(names.size())) {
        return {};
    }
    const QString base = QStringLiteral(":/images/toolbar/") + QLatin1String(names[index]);
    // QIcon decodes every file it is given, and looks for the @2x twin by itself only when the
    // screen is already high-density as the icon is made: so the twin is added where it is
    // needed, and only there.
    QIcon icon;
    icon.addFile(base + QStringLiteral(".png"));
    if (qApp && qApp->devicePixelRatio() > 1)
        icon.addFile(base + QStringLiteral("@2x.png"));
    return icon;
}

} // namespace navivor
