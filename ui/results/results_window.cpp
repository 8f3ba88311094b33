// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/results_window.h"

#include "ui/desktop/desktop.h"
#include "ui/results/text_output.h"
#include "ui/widgets/window_builders.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace navivor {
namespace {

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText("Result", key);
}

const QString kDesignFontFamily = QStringLiteral("MS Sans Serif");
const QString kJobName = QStringLiteral("RichEdit1");

QTextDocument* makeHiddenField(const QString& name, QObject* parent) {
    auto* field = new QTextDocument(parent);
    field->setObjectName(name);
    field->setUndoRedoEnabled(false);
    field->setDocumentMargin(0);
    field->setDefaultFont(printFont());
    return field;
}

} // namespace

ResultsWindow::ResultsWindow(Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , destinations_(desktop) {
    setUpWindow(this, "Result", caption("Result"), {kClientWidth, kClientHeight});
    setFont(designFont(kDesignFontFamily, 11));
    // A results window left open must not keep the program alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    reportView_ = new QPlainTextEdit(this);
    reportView_->setObjectName(QStringLiteral("Memo1"));
    reportView_->setGeometry(3, 5, 380, 227);
    reportView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reportView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    reportView_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    okButton_ = makePushButton(this, "Button1", caption("Button1"), {155, 239, 75, 25});
    QFont bold = okButton_->font();
    bold.setBold(true);
    okButton_->setFont(bold);
    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);

    printBuffer_ = makeHiddenField(QStringLiteral("RxRichEdit1"), this);
    jobNameField_ = makeHiddenField(QStringLiteral("RichEdit1"), this);
    jobNameField_->setPlainText(kJobName);
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::clearReport() {
    reportView_->clear();
}

void ResultsWindow::appendLines(const QStringList& lines) {
    if (lines.isEmpty())
        return;
    QTextCursor cursor(reportView_->document());
    cursor.movePosition(QTextCursor::End);
    // The user may have taken away the last line break; the new lines still stand alone.
    const QString breakFirst = cursor.atBlockStart() ? QString() : QStringLiteral("\n");
    cursor.insertText(breakFirst + lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

QString ResultsWindow::reportText() const {
    return textWithCrLf(*reportView_->document());
}

bool ResultsWindow::reportHasText() const {
    // An empty field still holds its one empty paragraph.
    return reportView_->document()->characterCount() > 1;
}

void ResultsWindow::showResults() {
    if (isVisible())
        return;
    show();
    activateWindow();
}

void ResultsWindow::clearPrintBuffer() {
    printBuffer_->clear();
}

QString ResultsWindow::printBufferText() const {
    return printBuffer_->toPlainText();
}

void ResultsWindow::saveReport(QWidget* dialogParent) {
    destinations_.save(dialogParent, QStringLiteral("result.txt"), reportText());
}

void ResultsWindow::printReport(QWidget* dialogParent) {
    printBuffer_->setPlainText(reportText());
    destinations_.print(dialogParent, jobNameField_->toPlainText(), *printBuffer_,
                        palette().color(QPalette::WindowText));
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
    emit closing();
}

} // namespace navivor
