// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/usage_window.h"

#include "i18n/language_file.h"
#include "text/cp1251.h"
#include "ui/widgets/window_builders.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>
#include <string>

namespace navivor {
namespace {

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText("Info", key);
}

// Far more than a usage text; a larger file is not one.
constexpr qint64 kLargestUsageText = 1024 * 1024;

// The file's last line break ends the text's last, empty line.
QString withoutLastLineBreak(QString text) {
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

QString builtInUsageText() {
    QFile file(":/text/usage_text.txt");
    return withoutLastLineBreak(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                               : QString());
}

// The Windows-1251 text beside the language file, with CR LF line ends; nothing when there is
// no such regular file (a FIFO there would block the reading).
std::optional<QString> languageUsageText(const QString& languageName) {
    std::string path = languageFilePath(languageName.toStdString());
    path.replace(path.size() - 4, 4, ".txt");
    const QString name = QFile::decodeName(path.c_str());
    QFile file(name);
    if (!QFileInfo(name).isFile() || QFileInfo(name).size() > kLargestUsageText ||
        !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kLargestUsageText);
    QString text = QString::fromStdString(decodeCp1251(bytes.toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return withoutLastLineBreak(text);
}

} // namespace

UsageWindow::UsageWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | kCloseBoxOnly) {
    setUpWindow(this, "Info", caption("Info"), {450, 326});
    setFont(designFont("MS Sans Serif", pixelsForPoints(8)));
    move(294, 220);
    // Hidden, not closed, so that the text keeps its scroll position between openings.
    setAttribute(Qt::WA_QuitOnClose, false);

    textView_ = new QPlainTextEdit(this);
    textView_->setObjectName("Memo1");
    textView_->setGeometry(0, 2, 449, 289);
    textView_->setReadOnly(true);
    // Read-only, yet the text can still be selected and copied.
    textView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab stops every eight average characters, as the headings were centred with.
    textView_->setTabStopDistance(8 * textView_->fontMetrics().averageCharWidth());
    QPalette scrollBarColour = textView_->palette();
    scrollBarColour.setColor(QPalette::Base, palette().color(QPalette::Button));
    textView_->setPalette(scrollBarColour);
    textView_->setPlainText(builtInUsageText());

    okButton_ = makePushButton(this, "Button1", caption("Button1"), {187, 296, 75, 25});
    connect(okButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void UsageWindow::useLanguage(const QString& languageName) {
    const QString text = languageUsageText(languageName).value_or(builtInUsageText());
    // The same text again keeps where the reader had scrolled to.
    if (text != textView_->toPlainText())
        textView_->setPlainText(text);
}

void UsageWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

} // namespace navivor
