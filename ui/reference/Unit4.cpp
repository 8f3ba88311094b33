#include "ui/reference/Unit4.h"

#include "ui/widgets/window_builders.h"

#include <QPushButton>

namespace navivor {

TInfo::TInfo(QWidget* parent)
    : QWidget(parent, Qt::Window | kCloseBoxOnly) {
    setUpWindow(this, "Info", "Как пользоваться программой.", {450, 326});
    move(294, 220);
    Button1 = makePushButton(this, "Button1", "Ok", {187, 296, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace navivor
