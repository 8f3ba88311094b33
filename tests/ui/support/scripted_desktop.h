// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop of the Qt tests: records the beeps, messages, dialogs and opened addresses, and
// answers each dialog from the answers the test has queued for its kind. A dialog with no
// answer queued fails the test and is cancelled.
#pragma once

#include "ui/desktop/desktop.h"

#include <QList>
#include <QStringList>

#include <deque>

namespace navivor::test {

class ScriptedDesktop final : public Desktop {
public:
    struct Message {
        QString caption;
        QString text;
        MessageIcon icon;
    };

    // Answers, taken in the order queued by the dialogs of their kind.
    void answerSave(const QString& path);
    void cancelSave();
    // The print dialog confirms, and the printer then writes a PDF file at the path.
    void answerPrint(const QString& pdfPath);
    void cancelPrint();
    void answerFont(const FontChoice& choice);
    void cancelFont();
    void answerColour(const QColor& colour);
    void cancelColour();
    // Whether defaultPrinter() gives a printer (writing "default-printer.pdf" in the current
    // directory) or none; it does until told otherwise.
    void setPrinterAvailable(bool available);
    // Whether the shell's open action finds a program; it does until told otherwise.
    void setOpenSucceeds(bool succeeds);

    int beeps() const { return beeps_; }
    const QList<Message>& messages() const { return messages_; }
    const QList<SaveFileRequest>& saveRequests() const { return saveRequests_; }
    // The initial choices the font and colour dialogs were shown with.
    const QList<FontChoice>& fontRequests() const { return fontRequests_; }
    const QList<QColor>& colourRequests() const { return colourRequests_; }
    int printDialogs() const { return printDialogs_; }
    // The output file of the printer each print dialog was shown with.
    const QStringList& printersShown() const { return printersShown_; }
    const QList<QUrl>& openedUrls() const { return openedUrls_; }

    // Answers queued and never taken.
    int unusedAnswers() const;
    // Forgets what was recorded and queued, and makes the printer available again.
    void reset();

    void beep() override;
    void showMessage(QWidget* parent, const QString& caption, const QString& text,
                     MessageIcon icon) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const SaveFileRequest& request) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    bool choosePrinterSettings(QWidget* parent, QPrinter& printer) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    void openUrl(const QUrl& url, std::function<void()> onFailure) override;

private:
    int beeps_ = 0;
    QList<Message> messages_;
    QList<SaveFileRequest> saveRequests_;
    QList<FontChoice> fontRequests_;
    QList<QColor> colourRequests_;
    int printDialogs_ = 0;
    QStringList printersShown_;
    QList<QUrl> openedUrls_;
    bool printerAvailable_ = true;
    bool openSucceeds_ = true;

    // An empty answer cancels the dialog.
    std::deque<std::optional<QString>> saveAnswers_;
    std::deque<std::optional<QString>> printAnswers_;
    std::deque<std::optional<FontChoice>> fontAnswers_;
    std::deque<std::optional<QColor>> colourAnswers_;
};

} // namespace navivor::test
