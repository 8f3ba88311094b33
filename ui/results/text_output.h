// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and printing a window's plain text, as the results and winding-sheet windows do.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <string>

class QPrinter;
class QTextDocument;
class QWidget;

namespace navivor {

class Desktop;

// The font texts are printed in.
QFont printFont();

// Replaces the file only once every byte is on the disk (replaceFileContent); raises a Failure
// with the message the user reads. A name holding a control character is refused.
void writeTextFile(const QString& path, const std::string& bytes);

// Lays the text out on pages of the printer's printable area and prints them, each page
// holding whole lines from its top edge; raises a Failure when the printer refuses.
void printTextDocument(const QTextDocument& text, QPrinter& printer, const QColor& colour);

// A plain text as saved files hold it: every line break of the document is CR LF.
QString textWithCrLf(const QTextDocument& document);

// Where a window's text goes: a Windows-1251 file chosen in the save dialog, proposed again at
// the next save, and the printer chosen in the print dialog, kept with its settings for the
// run. Both raise a Failure with the message the user reads; a cancelled dialog is none.
class TextDestinations {
public:
    explicit TextDestinations(Desktop& desktop);
    ~TextDestinations();

    void save(QWidget* dialogParent, const QString& firstName, const QString& text);
    void print(QWidget* dialogParent, const QString& jobName, const QTextDocument& text,
               const QColor& colour);

private:
    Desktop& desktop_;
    QString lastSavePath_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace navivor
