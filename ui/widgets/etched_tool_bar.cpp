// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/etched_tool_bar.h"

#include <QEvent>
#include <QLayout>
#include <QPainter>

namespace navivor {

// Drawn and laid out by hand rather than by a style sheet, whose style would polish every
// button of the bar, and the bar itself, when the window is first shown.
EtchedToolBar::EtchedToolBar(QWidget* parent)
    : QToolBar(parent) {
    layOutBorder();
}

void EtchedToolBar::setBorderWidth(int pixels) {
    borderWidth_ = pixels;
    layOutBorder();
}

void EtchedToolBar::layOutBorder() {
    layout()->setContentsMargins(borderWidth_, borderWidth_, borderWidth_, borderWidth_);
    layout()->setSpacing(0);
    layout()->invalidate();
}

void EtchedToolBar::paintEvent(QPaintEvent*) {
    // The lines alone: the style's own tool bar panel is not drawn beneath them.
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, palette().mid());
    painter.fillRect(0, height() - 1, width(), 1, palette().light());
}

void EtchedToolBar::changeEvent(QEvent* event) {
    QToolBar::changeEvent(event);
    // A new style gives the bar its own margins and spacing.
    if (event->type() == QEvent::StyleChange)
        layOutBorder();
}

} // namespace navivor
