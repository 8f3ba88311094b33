// Maps the toolbar's image-list positions to the packed toolbar images.
#include "images.h"

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
    // Both files are added outright: QIcon looks for the @2x twin by itself only when the
    // screen is already high-density as the icon is made.
    QIcon icon;
    icon.addFile(base + QStringLiteral(".png"));
    icon.addFile(base + QStringLiteral("@2x.png"));
    return icon;
}

} // namespace navivor
