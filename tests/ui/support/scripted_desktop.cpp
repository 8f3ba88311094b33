// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/scripted_desktop.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

namespace navivor::test {
namespace {

// The next queued answer; an unscripted dialog is a fault of the test, and is cancelled.
template <typename Answer>
std::optional<Answer> takeAnswer(std::deque<std::optional<Answer>>& answers, const char* dialog) {
    if (answers.empty()) {
        const QByteArray message = QByteArray("No answer queued for the ") + dialog + " dialog";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return std::nullopt;
    }
    // Copied before popping: GCC's -O2 flow analysis misreads a moved-from optional here.
    const std::optional<Answer> answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

void ScriptedDesktop::answerSave(const QString& path) {
    saveAnswers_.emplace_back(path);
}

void ScriptedDesktop::cancelSave() {
    saveAnswers_.emplace_back(std::nullopt);
}

void ScriptedDesktop::answerPrint(const QString& pdfPath) {
    printAnswers_.emplace_back(pdfPath);
}

void ScriptedDesktop::cancelPrint() {
    printAnswers_.emplace_back(std::nullopt);
}

void ScriptedDesktop::answerFont(const FontChoice& choice) {
    fontAnswers_.emplace_back(choice);
}

void ScriptedDesktop::cancelFont() {
    fontAnswers_.emplace_back(std::nullopt);
}

void ScriptedDesktop::answerColour(const QColor& colour) {
    colourAnswers_.emplace_back(colour);
}

void ScriptedDesktop::cancelColour() {
    colourAnswers_.emplace_back(std::nullopt);
}

void ScriptedDesktop::setOpenSucceeds(bool succeeds) {
    openSucceeds_ = succeeds;
}

void ScriptedDesktop::setPrinterAvailable(bool available) {
    printerAvailable_ = available;
}

int ScriptedDesktop::unusedAnswers() const {
    return static_cast<int>(saveAnswers_.size() + printAnswers_.size() + fontAnswers_.size() +
                            colourAnswers_.size());
}

void ScriptedDesktop::reset() {
    *this = ScriptedDesktop();
}

void ScriptedDesktop::beep() {
    ++beeps_;
}

void ScriptedDesktop::showMessage(QWidget*, const QString& caption, const QString& text,
                                  MessageIcon icon) {
    messages_.append({caption, text, icon});
}

std::optional<QString> ScriptedDesktop::chooseSaveFile(QWidget*, const SaveFileRequest& request) {
    saveRequests_.append(request);
    return takeAnswer(saveAnswers_, "save");
}

std::unique_ptr<QPrinter> ScriptedDesktop::defaultPrinter() {
    if (!printerAvailable_)
        return nullptr;
    // A printer on no real destination writes PDF.
    auto printer = std::make_unique<QPrinter>(QPrinterInfo(), QPrinter::HighResolution);
    printer->setOutputFileName(QStringLiteral("default-printer.pdf"));
    return printer;
}

bool ScriptedDesktop::choosePrinterSettings(QWidget*, QPrinter& printer) {
    ++printDialogs_;
    printersShown_.append(printer.outputFileName());
    const std::optional<QString> pdfPath = takeAnswer(printAnswers_, "print");
    if (!pdfPath)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdfPath);
    return true;
}

std::optional<FontChoice> ScriptedDesktop::chooseFont(QWidget*, const FontChoice& initial) {
    fontRequests_.append(initial);
    return takeAnswer(fontAnswers_, "font");
}

std::optional<QColor> ScriptedDesktop::chooseColour(QWidget*, const QColor& initial) {
    colourRequests_.append(initial);
    return takeAnswer(colourAnswers_, "colour");
}

void ScriptedDesktop::openUrl(const QUrl& url, std::function<void()> onFailure) {
    openedUrls_.append(url);
    if (!openSucceeds_)
        onFailure();
}

} // namespace navivor::test
