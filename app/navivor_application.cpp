// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navivor_application.h"

#include "ui/desktop/failure_box.h"
#include "ui/resources/images.h"

#include <QFontInfo>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

#include <optional>

namespace navivor {
namespace {

// The menu bar and the tool bar each make a button for the items that do not fit, with the
// style's icon for it: reading that icon's PNG loads every image plugin, while the window is
// built, for a button shown only when the items overflow. Its icon is made when first drawn.
class DesktopStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        const bool extension = icon == SP_ToolBarHorizontalExtensionButton ||
                               icon == SP_ToolBarVerticalExtensionButton;
        // The tool bar hands a plain option, which is copied whole; the menu bar none.
        if (!extension || (option && option->type != QStyleOption::SO_Default))
            return QProxyStyle::standardIcon(icon, option, widget);
        std::optional<QStyleOption> asked;
        if (option)
            asked = *option;
        // The widget is watched only, in case the icon outlives it.
        return iconMadeWhenNeeded(
            [this, icon, asked, widget = QPointer<QWidget>(const_cast<QWidget*>(widget))] {
                return QProxyStyle::standardIcon(icon, asked ? &*asked : nullptr, widget);
            });
    }
};

// A desktop without a font setting of its own names its font by a generic family ("Sans
// Serif"), which no installed face bears: the font list is then searched for the face standing
// in once for each script the texts hold (the fields' digits, the menu's Cyrillic). Named by
// that face after the first search, the font is found at once; every text looks the same.
void nameDesktopFontByItsFace() {
    QFont desktopFont = QGuiApplication::font();
    const QString face = QFontInfo(desktopFont).family();
    if (face == desktopFont.family())
        return; // left unset, so that a change of the desktop's font still reaches the windows
    desktopFont.setFamily(face);
    // QGuiApplication's, which keeps the fonts the desktop gives to kinds of controls.
    QGuiApplication::setFont(desktopFont);
}

} // namespace

NavivorApplication::NavivorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setStyle(new DesktopStyle(style()));
    nameDesktopFontByItsFace();
    setApplicationName("Navivor");
    // The desktop finds the program's entry, and with it its name and icon, by this id.
    setDesktopFileName(QStringLiteral(NAVIVOR_APP_ID));
    // Only a window system that shows it asks for it.
    setWindowIcon(iconMadeWhenNeeded(applicationIcon));
}

bool NavivorApplication::notify(QObject* receiver, QEvent* event) {
    // Nothing is rolled back: what the handler did before a failure stays done.
    bool handled = true;
    showingFailures([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace navivor
