// Saving and printing a window's plain text, as the results and winding-sheet windows do.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

class QPrinter;
class QTextDocument;

namespace navivor {

// The font texts are printed in.
QFont printFont();

// Replaces the file only once every byte is on the disk; raises a Failure with the message
// the user reads.
void writeTextFile(const QString& path, const std::string& bytes);

// Lays the text out on pages of the printer's printable area and prints them, each page
// holding whole lines from its top edge; raises a Failure when the printer refuses.
void printTextDocument(const QTextDocument& text, QPrinter& printer, const QColor& colour);

// A plain text as saved files hold it: every line break of the document is CR LF.
QString textWithCrLf(const QTextDocument& document);

} // namespace navivor
