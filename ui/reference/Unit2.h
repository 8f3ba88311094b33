// The about box: the program's name and version, shown modally.
#pragma once

#include <QDialog>

class QPushButton;

namespace navivor {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton;
};

} // namespace navivor
