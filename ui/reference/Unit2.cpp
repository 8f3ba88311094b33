#include "ui/reference/Unit2.h"

#include <QLabel>
#include <QPushButton>

namespace navivor {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("AboutBox");
    setWindowTitle("О программе");
    setFixedSize(279, 174);
    auto* productName = new QLabel("Navivor", this);
    productName->setObjectName("ProductName");
    productName->setGeometry(137, 16, 120, 20);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(102, 146, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace navivor
