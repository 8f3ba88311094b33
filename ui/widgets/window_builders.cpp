// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/window_builders.h"

#include "i18n/text_catalogue.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace navivor {
namespace {

QMenu* namedMenu(QMenu* menu, const char* name) {
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

} // namespace

QString catalogueText(std::string_view section, std::string_view key) {
    const std::string_view text = builtInText(section, key);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void setUpWindow(QWidget* window, const char* name, const QString& caption, QSize clientSize) {
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
}

int pixelsForPoints(int points) {
    return (points * 96 + 36) / 72;
}

namespace {

// What every design font asks of the font database beside its family.
QFont sansSerifFont(const QString& family) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

QString shownFamily(const QString& family) {
    // The windows were laid out for faces this desktop may not have; a face of nearly the same
    // widths stands in, so that texts keep their boxes and their line breaks.
    static const bool standInsNamed = [] {
        for (const char* designed : {"Arial", "MS Sans Serif"})
            QFont::insertSubstitution(QLatin1String(designed), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(standInsNamed);
    // A family the desktop lacks costs a search of the whole font list for each new size and
    // style asked of it: the fonts ask for the face that stands in by its own name instead.
    static QHash<QString, QString> shown;
    const auto found = shown.constFind(family);
    if (found != shown.constEnd())
        return *found;
    // Looked up in the list, not by hasFamily(), which has fontconfig resolve each name as an
    // alias; found, a name is spelt as the list spells it.
    static const QStringList installed = QFontDatabase::families();
    const auto installedName = [](const QString& name) {
        const auto match =
            std::find_if(installed.begin(), installed.end(), [&name](const QString& entry) {
                return entry.compare(name, Qt::CaseInsensitive) == 0;
            });
        return match != installed.end() ? *match : QString();
    };
    QString face = installedName(family);
    const QStringList standIns = QFont::substitutes(family);
    for (auto standIn = standIns.begin(); face.isEmpty() && standIn != standIns.end(); ++standIn)
        face = installedName(*standIn);
    if (face.isEmpty())
        face = QFontInfo(sansSerifFont(family)).family();
    return *shown.insert(family, face);
}

QFont designFont(const QString& family, int pixelSize, bool bold) {
    QFont font = sansSerifFont(shownFamily(family));
    font.setPixelSize(pixelSize);
    // Every style is set, so that a control with a font of its own takes none of its window's.
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void placeLabel(QLabel* label, const char* name, QRect geometry, bool wrapped) {
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(wrapped);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QPushButton* makePushButton(QWidget* parent, const char* name, const QString& caption,
                            QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QToolButton* makeToolButton(QToolBar* toolBar, const char* name, const QIcon& icon,
                            const QString& hint) {
    auto* button = new QToolButton(toolBar);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFixedSize(23, 22);
    button->setFocusPolicy(Qt::NoFocus);
    toolBar->addWidget(button);
    return button;
}

QAction* makeMenuItem(QObject* parent, const char* name, const QString& caption) {
    auto* item = new QAction(caption, parent);
    item->setObjectName(name);
    return item;
}

QAction* makeMenuSeparator(QObject* parent, const char* name) {
    auto* separator = new QAction(parent);
    separator->setObjectName(name);
    separator->setSeparator(true);
    return separator;
}

QMenu* makeSubmenu(QMenuBar* bar, const char* name, const QString& caption) {
    return namedMenu(bar->addMenu(caption), name);
}

QMenu* makeSubmenu(QMenu* menu, const char* name, const QString& caption) {
    return namedMenu(menu->addMenu(caption), name);
}

} // namespace navivor
