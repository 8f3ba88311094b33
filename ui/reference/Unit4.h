// The usage-text window: how to use the program, shown beside the main window.
#pragma once

#include <QWidget>

class QPushButton;

namespace navivor {

class TInfo : public QWidget {
    Q_OBJECT
public:
    explicit TInfo(QWidget* parent = nullptr);

    QPushButton* Button1;
};

} // namespace navivor
