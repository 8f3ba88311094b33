// SPDX-License-Identifier: GPL-3.0-or-later
// What every window is built from: its fonts, sized in pixels as the windows were laid out at
// 96 dots per inch, and named controls at their designed places. The language walk and the
// appearance commands find controls by kind and object name, so every control gets its name.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QSize>
#include <QString>

#include <string_view>

class QAction;
class QIcon;
class QMenu;
class QMenuBar;
class QObject;
class QPushButton;
class QToolBar;
class QToolButton;
class QWidget;

namespace navivor {

// The title bar of a fixed-size window that has a close box and nothing else.
inline constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Names the window, gives it its caption and fixes the size of its client area.
void setUpWindow(QWidget* window, const char* name, const QString& caption, QSize clientSize);

// Points at 96 dots per inch, rounded as the layout was.
int pixelsForPoints(int points);

// The family of the face the font database shows for a family asked by name: the family
// itself where this desktop has it, else the face that stands in. Found once a family.
QString shownFamily(const QString& family);

QFont designFont(const QString& family, int pixelSize, bool bold = false);

// Names the label and places it; its text starts at the top left of its box, wrapped at its
// width when asked.
void placeLabel(QLabel* label, const char* name, QRect geometry, bool wrapped);

// The built-in text of a key in a window's section of the text catalogue: the caption a
// control is made with, the one a language file replaces.
QString catalogueText(std::string_view section, std::string_view key);

// A label, or a text or picture of a kind drawn like one (StaticText, Picture).
template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 bool wrapped = false) {
    auto* label = new Label(text, parent);
    placeLabel(label, name, geometry, wrapped);
    return label;
}
QPushButton* makePushButton(QWidget* parent, const char* name, const QString& caption,
                            QRect geometry);
// A toolbar button of the designed 23 pixels, with the hint as its tooltip; it never takes
// the keyboard focus.
QToolButton* makeToolButton(QToolBar* toolBar, const char* name, const QIcon& icon,
                            const QString& hint);

QAction* makeMenuItem(QObject* parent, const char* name, const QString& caption);
QAction* makeMenuSeparator(QObject* parent, const char* name);
// A menu whose item carries the name too, as the other items do.
QMenu* makeSubmenu(QMenuBar* bar, const char* name, const QString& caption);
QMenu* makeSubmenu(QMenu* menu, const char* name, const QString& caption);

} // namespace navivor
