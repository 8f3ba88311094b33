#include "ui/reference/Unit4.h"

#include "ui/widgets/window_builders.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

namespace navivor {
namespace {

// The file's last line break ends the text's last, empty line.
QString usageText() {
    QFile file(":/text/usage_text.txt");
    QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

} // namespace

TInfo::TInfo(QWidget* parent)
    : QWidget(parent, Qt::Window | kCloseBoxOnly) {
    setUpWindow(this, "Info", "Как пользоваться программой.", {450, 326});
    setFont(designFont("MS Sans Serif", pixelsForPoints(8)));
    move(294, 220);
    // Hidden, not closed, so that the text keeps its scroll position between openings.
    setAttribute(Qt::WA_QuitOnClose, false);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(0, 2, 449, 289);
    Memo1->setReadOnly(true);
    // Read-only, yet the text can still be selected and copied.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab stops every eight average characters, as the headings were centred with.
    Memo1->setTabStopDistance(8 * Memo1->fontMetrics().averageCharWidth());
    QPalette scrollBarColour = Memo1->palette();
    scrollBarColour.setColor(QPalette::Base, palette().color(QPalette::Button));
    Memo1->setPalette(scrollBarColour);
    Memo1->setPlainText(usageText());

    Button1 = makePushButton(this, "Button1", "Ok", {187, 296, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
}

void TInfo::showInFront() {
    show();
    raise();
    activateWindow();
}

} // namespace navivor
