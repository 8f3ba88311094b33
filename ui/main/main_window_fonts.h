// Fonts of the main window, sized in pixels as the window was laid out at 96 dots per inch,
// so every control keeps its designed place whatever the screen's resolution.
#pragma once

#include <QFont>
#include <QString>

namespace navivor {

// Points at 96 dots per inch, rounded as the layout was.
inline int pixelsForPoints(int points) {
    return (points * 96 + 36) / 72;
}

inline QFont designFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace navivor
