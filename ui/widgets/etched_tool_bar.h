// SPDX-License-Identifier: GPL-3.0-or-later
// A tool bar between two etched lines, a dark one along its top and a light one along its
// bottom, with a border of its own inside them.
#pragma once

#include <QToolBar>

namespace navivor {

class EtchedToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit EtchedToolBar(QWidget* parent = nullptr);

    // The border between the edge and the buttons, on every side.
    void setBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOutBorder();

    int borderWidth_ = 0;
};

} // namespace navivor
