// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/qt_desktop.h"

#include "ui/desktop/font_colour_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

namespace navivor {
namespace {

// The job options a CUPS printer passes with the job, as alternating names and values.
constexpr auto kCupsJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Qt's own print dialog shows its page range, page list and odd or even pages whatever the
// options say; they all sit in one group, hidden here once the dialog has laid itself out.
class PageChoicesHider : public QObject {
protected:
    bool eventFilter(QObject* dialog, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* group = dialog->findChild<QWidget*>(QStringLiteral("gbPrintRange")))
                group->hide();
        return false;
    }
};

} // namespace

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::showMessage(QWidget* parent, const QString& caption, const QString& text,
                            MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtDesktop::chooseSaveFile(QWidget* parent, const SaveFileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedPath);

    // The program's files are named relative to the directory current at start-up; a platform
    // dialog that moves it would take them all elsewhere.
    const QString startDirectory = QDir::currentPath();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    QDir::setCurrent(startDirectory);

    const QStringList chosen = dialog.selectedFiles();
    if (!accepted || chosen.isEmpty())
        return std::nullopt;
    return chosen.constFirst();
}

std::unique_ptr<QPrinter> QtDesktop::defaultPrinter() {
    QPrinterInfo destination = QPrinterInfo::defaultPrinter();
    if (destination.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return nullptr;
        destination = printers.constFirst();
    }
    return std::make_unique<QPrinter>(destination, QPrinter::HighResolution);
}

bool QtDesktop::choosePrinterSettings(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // The whole report is always printed, on a real printer.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    PageChoicesHider hider;
    dialog.installEventFilter(&hider);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    keepEveryPage(printer);
    return true;
}

void keepEveryPage(QPrinter& printer) {
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    // The print system's own job options can still name pages (a range, odd or even ones).
    QPrintEngine* engine = printer.printEngine();
    const QVariant jobOptions = engine->property(kCupsJobOptions);
    if (!jobOptions.isValid())
        return;
    const QStringList namesAndValues = jobOptions.toStringList();
    QStringList kept;
    for (qsizetype i = 0; i + 1 < namesAndValues.size(); i += 2) {
        if (namesAndValues[i] != QLatin1String("page-ranges") &&
            namesAndValues[i] != QLatin1String("page-set"))
            kept << namesAndValues[i] << namesAndValues[i + 1];
    }
    engine->setProperty(kCupsJobOptions, kept);
}

std::optional<FontChoice> QtDesktop::chooseFont(QWidget* parent, const FontChoice& initial) {
    FontColourDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<QColor> QtDesktop::chooseColour(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

void QtDesktop::openUrl(const QUrl& url, std::function<void()> onFailure) {
    // Not parented: an opener still running when the program ends is left to finish.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({url.toString(QUrl::FullyEncoded)});
    opener->setStandardInputFile(QProcess::nullDevice());
    const auto ended = [opener, onFailure](bool failed) {
        opener->deleteLater();
        if (failed)
            onFailure();
    };
    QObject::connect(opener, &QProcess::finished, opener,
                     [ended](int code, QProcess::ExitStatus status) {
                         ended(status != QProcess::NormalExit || code != 0);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [ended](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             ended(true);
                     });
    opener->start();
}

} // namespace navivor
