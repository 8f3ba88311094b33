// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/text_output.h"

#include "text/cp1251.h"
#include "text/failure.h"
#include "text/file_replacement.h"
#include "text/visible_text.h"
#include "ui/desktop/desktop.h"
#include "ui/widgets/window_builders.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <memory>

namespace navivor {

QFont printFont() {
    QFont font = designFont(QStringLiteral("MS Sans Serif"), 13);
    font.setPointSize(10);
    return font;
}

void writeTextFile(const QString& path, const std::string& bytes) {
    const std::string typed = QDir::toNativeSeparators(path).toStdString();
    const std::string shown = visibleText(typed);
    const Failure cannotCreate("Cannot create file " + shown);
    // A line break, a tab or another control character in a file name is a slip of the
    // keyboard, and would make a file no listing shows as it is named.
    if (shown != typed || typed.find('\t') != std::string::npos)
        throw cannotCreate;
    switch (replaceFileContent(QFile::encodeName(path).toStdString(), bytes)) {
    case Replacement::done:
        return;
    case Replacement::cannotCreate:
        throw cannotCreate;
    case Replacement::noSpace:
    case Replacement::writeFailed:
        throw Failure("Stream write error");
    }
}

void printTextDocument(const QTextDocument& buffer, QPrinter& printer, const QColor& colour) {
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

QString textWithCrLf(const QTextDocument& document) {
    // The field keeps its lines as paragraphs; Shift+Enter adds a line separator inside one.
    const QString raw = document.toRawText();
    QString text;
    text.reserve(raw.size() + document.blockCount());
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            text += QStringLiteral("\r\n");
        else
            text += c;
    }
    return text;
}

TextDestinations::TextDestinations(Desktop& desktop)
    : desktop_(desktop) {}

TextDestinations::~TextDestinations() = default;

void TextDestinations::save(QWidget* dialogParent, const QString& firstName, const QString& text) {
    const SaveFileRequest request{lastSavePath_.isEmpty() ? firstName : lastSavePath_,
                                  QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")};
    const std::optional<QString> chosen = desktop_.chooseSaveFile(dialogParent, request);
    if (!chosen)
        return;
    lastSavePath_ = QFileInfo(*chosen).absoluteFilePath();
    writeTextFile(lastSavePath_, encodeCp1251(text.toStdString()));
}

void TextDestinations::print(QWidget* dialogParent, const QString& jobName,
                             const QTextDocument& text, const QColor& colour) {
    if (!printer_)
        printer_ = desktop_.defaultPrinter();
    if (!printer_)
        throw Failure("There is no default printer currently selected");
    if (!desktop_.choosePrinterSettings(dialogParent, *printer_))
        return;
    printer_->setDocName(jobName);
    printTextDocument(text, *printer_, colour);
}

} // namespace navivor
