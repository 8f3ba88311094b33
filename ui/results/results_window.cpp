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

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(3, 5, 380, 227);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    Button1 = makePushButton(this, "Button1", caption("Button1"), {155, 239, 75, 25});
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);

    RxRichEdit1 = makeHiddenField(QStringLiteral("RxRichEdit1"), this);
    RichEdit1 = makeHiddenField(QStringLiteral("RichEdit1"), this);
    RichEdit1->setPlainText(kJobName);
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::clearReport() {
    Memo1->clear();
}

void ResultsWindow::appendLine(const QString& line) {
    appendLines({line});
}

void ResultsWindow::appendLines(const QStringList& lines) {
    if (lines.isEmpty())
        return;
    QTextCursor cursor(Memo1->document());
    cursor.movePosition(QTextCursor::End);
    // The user may have taken away the last line break; the new lines still stand alone.
    const QString breakFirst = cursor.atBlockStart() ? QString() : QStringLiteral("\n");
    cursor.insertText(breakFirst + lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

QString ResultsWindow::reportText() const {
    return textWithCrLf(*Memo1->document());
}

bool ResultsWindow::reportHasText() const {
    // An empty field still holds its one empty paragraph.
    return Memo1->document()->characterCount() > 1;
}

void ResultsWindow::showResults() {
    if (isVisible())
        return;
    show();
    activateWindow();
}

void ResultsWindow::clearPrintBuffer() {
    RxRichEdit1->clear();
}

QString ResultsWindow::printBufferText() const {
    return RxRichEdit1->toPlainText();
}

void ResultsWindow::saveReport(QWidget* dialogParent) {
    destinations_.save(dialogParent, QStringLiteral("result.txt"), reportText());
}

void ResultsWindow::printReport(QWidget* dialogParent) {
    RxRichEdit1->setPlainText(reportText());
    destinations_.print(dialogParent, RichEdit1->toPlainText(), *RxRichEdit1,
                        palette().color(QPalette::WindowText));
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
    emit closing();
}

} // namespace navivor
