// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: shows the report of a calculation, and saves and prints it. The report
// is whatever the user has left in the editable field, so every command reads it from there.
#pragma once

#include "ui/desktop/desktop.h"
#include "ui/results/text_output.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;
class QTextDocument;

namespace navivor {

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 385;
    static constexpr int kClientHeight = 268;

    // Dialogs and the printer come from the desktop.
    explicit ResultsWindow(Desktop& desktop = Desktop::instance(), QWidget* parent = nullptr);
    ~ResultsWindow() override;

    void clearReport();
    // Report lines in order, each with a line break after it, laid out once for them all.
    void appendLines(const QStringList& lines);
    // The report as a saved file holds it: every line break is CR LF.
    QString reportText() const;
    bool reportHasText() const;

    // Shows and activates a hidden window; a visible one, minimized or not, is left alone.
    void showResults();
    void clearPrintBuffer();
    // What the last Print command copied from the report.
    QString printBufferText() const;

    // Both raise a Failure with the message the user reads; cancelling a dialog is
    // not a failure.
    void saveReport(QWidget* dialogParent);
    void printReport(QWidget* dialogParent);

signals:
    // Every time the window closes, after it has hidden itself.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TextDestinations destinations_;

    QPlainTextEdit* reportView_;
    QPushButton* okButton_;
    // The print buffer; it keeps the copy taken by the Print command until it is cleared.
    QTextDocument* printBuffer_;
    // Holds the print job's name.
    QTextDocument* jobNameField_;
};

// How a window made before the results window reaches it: the window is asked for when first
// needed, and made then.
using ResultsSource = std::function<ResultsWindow&()>;

} // namespace navivor
