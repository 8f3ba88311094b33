#include "ui/reference/Unit2.h"

#include "ui/widgets/window_builders.h"

#include <QPushButton>

namespace navivor {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly) {
    setUpWindow(this, "AboutBox", "О программе", {279, 174});
    makeLabel(this, "ProductName", "Navivor", {137, 16, 120, 20});
    OKButton = makePushButton(this, "OKButton", "OK", {102, 146, 75, 25});
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace navivor
