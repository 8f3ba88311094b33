#include "ui/results/Unit3.h"

#include "text/cp1251.h"
#include "text/failure.h"
#include "ui/desktop/desktop.h"
#include "ui/widgets/window_builders.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <cerrno>
#include <unistd.h>

#include <memory>
#include <string>

namespace navivor {
namespace {

const QString kDesignFontFamily = QStringLiteral("MS Sans Serif");
const QString kJobName = QStringLiteral("RichEdit1");

QFont printFont() {
    QFont font = designFont(kDesignFontFamily, 13);
    font.setPointSize(10);
    return font;
}

QTextDocument* makeHiddenField(const QString& name, QObject* parent) {
    auto* field = new QTextDocument(parent);
    field->setObjectName(name);
    field->setUndoRedoEnabled(false);
    field->setDocumentMargin(0);
    field->setDefaultFont(printFont());
    return field;
}

void writeFile(const QString& path, const std::string& bytes) {
    // The new file replaces the old one only once every byte is on the disk; where the folder
    // takes no temporary file beside it, the file is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure("Cannot create file " + QDir::toNativeSeparators(path).toStdString());
    const auto size = static_cast<qint64>(bytes.size());
    // The buffered write reports a full disk only at the flush, and commit() would not.
    const bool written = file.write(bytes.data(), size) == size && file.flush() &&
                         (::fsync(file.handle()) == 0 || errno == EINVAL);
    if (!written || !file.commit())
        throw Failure("Stream write error");
}

// Lays the buffer out on pages of the printer's printable area and draws them, each page
// holding whole lines from its top edge.
void printDocument(const QTextDocument& buffer, QPrinter& printer, const QColor& colour) {
    const std::unique_ptr<QTextDocument> document(buffer.clone());
    document->setDefaultFont(buffer.defaultFont());
    document->setDocumentMargin(0);
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(wrapping);
    // The break after the last report line opens no paragraph of its own on paper.
    if (document->blockCount() > 1 && document->lastBlock().length() == 1) {
        QTextCursor cursor(document->lastBlock());
        cursor.deletePreviousChar();
    }

    QAbstractTextDocumentLayout* layout = document->documentLayout();
    layout->setPaintDevice(&printer);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    document->setPageSize(page);
    const int pageCount = document->pageCount();

    QPainter painter;
    if (!painter.begin(&printer))
        throw Failure("Printing failed");
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, colour);
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0 && !printer.newPage())
            throw Failure("Printing failed");
        const qreal top = index * page.height();
        context.clip = QRectF(QPointF(0, top), page);
        painter.save();
        painter.translate(0, -top);
        painter.setClipRect(context.clip);
        layout->draw(&painter, context);
        painter.restore();
    }
    if (!painter.end())
        throw Failure("Printing failed");
}

} // namespace

TResult::TResult(Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , desktop_(desktop) {
    setUpWindow(this, "Result", QStringLiteral("Результаты расчета"),
                {kClientWidth, kClientHeight});
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

    Button1 = makePushButton(this, "Button1", QStringLiteral("Ok"), {155, 239, 75, 25});
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);

    RxRichEdit1 = makeHiddenField(QStringLiteral("RxRichEdit1"), this);
    RichEdit1 = makeHiddenField(QStringLiteral("RichEdit1"), this);
    RichEdit1->setPlainText(kJobName);
}

TResult::~TResult() = default;

void TResult::clearReport() {
    Memo1->clear();
}

void TResult::appendLine(const QString& line) {
    appendLines({line});
}

void TResult::appendLines(const QStringList& lines) {
    if (lines.isEmpty())
        return;
    QTextCursor cursor(Memo1->document());
    cursor.movePosition(QTextCursor::End);
    // The user may have taken away the last line break; the new lines still stand alone.
    const QString breakFirst = cursor.atBlockStart() ? QString() : QStringLiteral("\n");
    cursor.insertText(breakFirst + lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

QString TResult::reportText() const {
    // The field keeps its lines as paragraphs; Shift+Enter adds a line separator inside one.
    const QString raw = Memo1->document()->toRawText();
    QString text;
    text.reserve(raw.size() + Memo1->document()->blockCount());
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            text += QStringLiteral("\r\n");
        else
            text += c;
    }
    return text;
}

bool TResult::reportHasText() const {
    // An empty field still holds its one empty paragraph.
    return Memo1->document()->characterCount() > 1;
}

void TResult::showResults() {
    if (isVisible())
        return;
    show();
    activateWindow();
}

void TResult::clearPrintBuffer() {
    RxRichEdit1->clear();
}

QString TResult::printBufferText() const {
    return RxRichEdit1->toPlainText();
}

void TResult::saveReport(QWidget* dialogParent) {
    const SaveFileRequest request{lastSavePath_.isEmpty() ? QStringLiteral("result.txt")
                                                          : lastSavePath_,
                                  QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")};
    const std::optional<QString> chosen = desktop_.chooseSaveFile(dialogParent, request);
    if (!chosen)
        return;
    lastSavePath_ = QFileInfo(*chosen).absoluteFilePath();
    writeFile(lastSavePath_, encodeCp1251(reportText().toStdString()));
}

void TResult::printReport(QWidget* dialogParent) {
    RxRichEdit1->setPlainText(reportText());

    // The printer chosen once, with its settings, is the one printed on for the rest of the run.
    if (!printer_)
        printer_ = desktop_.defaultPrinter();
    if (!printer_)
        throw Failure("There is no default printer currently selected");
    if (!desktop_.choosePrinterSettings(dialogParent, *printer_))
        return;
    printer_->setDocName(RichEdit1->toPlainText());
    printDocument(*RxRichEdit1, *printer_, palette().color(QPalette::WindowText));
}

void TResult::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
    emit closing();
}

} // namespace navivor
