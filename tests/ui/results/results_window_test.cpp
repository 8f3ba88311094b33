// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: its report as a file and on paper, and how it opens and closes.
#include "tests/ui/support/ui_test.h"
#include "ui/results/results_window.h"
#include "ui/results/text_output.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextDocument>
#include <QWindow>

#include <functional>
#include <stdexcept>

#include <cmath>
#include <csignal>
#include <sys/resource.h>

using navivor::ResultsWindow;

namespace {

// The message of the failure the command raises; empty when it raises none.
QString failureOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::runtime_error& failure) {
        return QString::fromStdString(failure.what());
    }
    return {};
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Limits the size of every file this process writes while it lives; 0 sets no limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        if (bytes == 0)
            return;
        // The write then fails with EFBIG instead of ending the process.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

int pdfPageCount(const QByteArray& pdf) {
    const QByteArray pageType("/Type /Page");
    int pages = 0;
    for (qsizetype at = pdf.indexOf(pageType); at >= 0; at = pdf.indexOf(pageType, at + 1))
        pages += pdf.at(at + pageType.size()) != 's';
    return pages;
}

// Lines of the print font that fill one page of the printer the scripted print dialog gives.
int linesPerPage() {
    QPrinter printer(QPrinterInfo(), QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const qreal pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    // Each line takes its line spacing, rounded up to whole printer dots.
    return int(pageHeight / std::ceil(QFontMetricsF(navivor::printFont(), &printer).lineSpacing()));
}

// Types the text as keys: '\n' is Enter, '\v' Shift+Enter and '\b' Backspace.
void typeInto(QWidget* widget, const QString& text) {
    for (const QChar key : text) {
        if (key == '\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (key == '\v')
            QTest::keyClick(widget, Qt::Key_Return, Qt::ShiftModifier);
        else if (key == '\b')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else
            QTest::keyClick(widget, key.toLatin1());
    }
}

} // namespace

class ResultsWindowTest : public navivor::test::UiTest {
    Q_OBJECT

private slots:
    void savesTheReportAsTheFieldHoldsIt_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("expected");
        // "Ток" and "Витки" in Windows-1251.
        QTest::newRow("appended lines")
            << QStringList{"Ток 1,5 А", "", "Витки: 120"} << ""
            << QByteArray("\xD2\xEE\xEA 1,5 \xC0\r\n\r\n\xC2\xE8\xF2\xEA"
                          "\xE8: 120\r\n");
        QTest::newRow("empty report") << QStringList{} << "" << QByteArray();
        QTest::newRow("user replaced it") << QStringList{"a", "b"} << "x\ny\n"
                                          << QByteArray("x\r\ny\r\n");
        QTest::newRow("user broke a line") << QStringList{"a"} << "x\vy" << QByteArray("x\r\ny");
        QTest::newRow("user emptied it") << QStringList{"a"} << "\b" << QByteArray();
    }
    void savesTheReportAsTheFieldHoldsIt() {
        QFETCH(QStringList, lines);
        QFETCH(QString, typed);
        QFETCH(QByteArray, expected);
        ResultsWindow window;
        for (const QString& line : lines)
            window.appendLines({line});
        if (!typed.isEmpty()) {
            window.findChild<QPlainTextEdit*>("Memo1")->selectAll();
            typeInto(window.findChild<QPlainTextEdit*>("Memo1"), typed);
        }
        QCOMPARE(window.reportHasText(), !expected.isEmpty());
        // The old, longer file is replaced without a question.
        writeFile("result.txt", QByteArray(1000, 'z'));
        fixture().desktop().answerSave(QDir::current().filePath("result.txt"));
        window.saveReport(&window);
        QCOMPARE(contentOf("result.txt"), expected);
    }

    void appendedLineStartsALineOfItsOwn() {
        ResultsWindow window;
        window.appendLines({"a"});
        window.findChild<QPlainTextEdit*>("Memo1")->moveCursor(QTextCursor::End);
        typeInto(window.findChild<QPlainTextEdit*>("Memo1"), "\bx");
        window.appendLines({"b"});
        QCOMPARE(window.reportText(), "ax\r\nb\r\n");
    }

    void proposesTheLastSavedPathAndKeepsTheCurrentDirectory() {
        ResultsWindow window;
        window.appendLines({"a"});
        const QString elsewhere = fixture().directory() + "/elsewhere";
        QVERIFY(QDir().mkdir(elsewhere));
        fixture().desktop().cancelSave();
        fixture().desktop().answerSave(elsewhere + "/report.txt");
        fixture().desktop().answerSave(elsewhere + "/report.txt");
        window.saveReport(&window);
        QVERIFY(QDir::current().isEmpty(QDir::NoDotAndDotDot | QDir::Files));
        window.saveReport(&window);
        window.saveReport(&window);

        const QList<navivor::SaveFileRequest>& requests = fixture().desktop().saveRequests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[0].proposedPath, "result.txt");
        QCOMPARE(requests[0].filter, "Text files (*.txt)");
        QCOMPARE(requests[0].defaultSuffix, "txt");
        QCOMPARE(requests[1].proposedPath, "result.txt");
        QCOMPARE(requests[2].proposedPath, elsewhere + "/report.txt");
        QCOMPARE(QDir::currentPath(), fixture().directory());
        QCOMPARE(contentOf(elsewhere + "/report.txt"), "a\r\n");
    }

    void saveFailureLeavesTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<int>("sizeLimit"); // bytes a file may grow to, 0 for no limit
        QTest::addColumn<QString>("failure");
        QTest::newRow("missing folder") << "missing/result.txt" << false << false << 0 << "create";
        QTest::newRow("name of a folder") << "folder.txt" << false << false << 0 << "create";
        QTest::newRow("read-only folder") << "locked/result.txt" << false << true << 0 << "create";
        // The folder takes no temporary file, so the file the user may write is written in place.
        QTest::newRow("writable file in a read-only folder")
            << "locked/result.txt" << true << true << 0 << "";
        // The file itself can be named, a temporary one beside it cannot.
        QTest::newRow("no room for a temporary name")
            << "locked/" + QString(250, 'n') << true << false << 0 << "write or create";
        QTest::newRow("disk full, new file") << "full.txt" << false << false << 2 << "write";
        QTest::newRow("disk full, old report") << "full.txt" << true << false << 2 << "write";
        // A name typed with a line break is refused, and the message shows where it is.
        QTest::newRow("line break in the name")
            << "new\nline.txt" << false << false << 0 << "create";
    }
    void saveFailureLeavesTheOldFile() {
        QFETCH(QString, name);
        QFETCH(bool, oldFile);
        QFETCH(bool, readOnlyFolder);
        QFETCH(int, sizeLimit);
        QFETCH(QString, failure);
        QVERIFY(QDir().mkdir("folder.txt"));
        QVERIFY(QDir().mkdir("locked"));
        const QString path = QDir::current().filePath(name);
        const QString folder = QFileInfo(path).path();
        if (oldFile)
            writeFile(path, "old");
        const auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::WriteOwner | QFile::ReadOwner | QFile::ExeOwner);
        });
        if (readOnlyFolder) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile probe(folder + "/probe"); probe.open(QIODevice::WriteOnly))
                QSKIP("Folder permissions are not enforced for this user");
        }
        ResultsWindow window;
        window.appendLines({"new"});
        fixture().desktop().answerSave(path);
        QString message;
        {
            // A full disk, as the file size limit makes every write past it fail.
            const FileSizeLimit limit(sizeLimit);
            message = failureOf([&] { window.saveReport(&window); });
        }
        const QString cannotCreate =
            "Cannot create file " + QDir::toNativeSeparators(path).replace("\n", "\\x0A");
        if (failure == "create")
            QCOMPARE(message, cannotCreate);
        else if (failure == "write")
            QCOMPARE(message, QString("Stream write error"));
        else if (failure == "write or create") // unnamed temporary files fail later
            QVERIFY2(message == "Stream write error" || message == cannotCreate,
                     qPrintable(message));
        else
            QCOMPARE(message, QString());
        const bool fileThere = oldFile || failure.isEmpty();
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 fileThere ? QStringList{QFileInfo(path).fileName()} : QStringList{});
        if (fileThere)
            QCOMPARE(contentOf(path), failure.isEmpty() ? "new\r\n" : "old");
    }

    void printsEveryLineOnFullPages_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        const int perPage = linesPerPage();
        QTest::newRow("empty report") << 0 << 1;
        QTest::newRow("one line") << 1 << 1;
        QTest::newRow("one full page") << perPage << 1;
        QTest::newRow("one line more") << perPage + 1 << 2;
        QTest::newRow("300 lines") << 300 << (300 + perPage - 1) / perPage;
    }
    void printsEveryLineOnFullPages() {
        QFETCH(int, lines);
        QFETCH(int, pages);
        ResultsWindow window;
        for (int line = 1; line <= lines; ++line)
            window.appendLines({QStringLiteral("Строка %1").arg(line)});
        fixture().desktop().answerPrint("printed.pdf");
        window.printReport(&window);
        const QByteArray pdf = contentOf("printed.pdf");
        QCOMPARE(pdfPageCount(pdf), pages);
        // The job name reaches the printer as the document title (UTF-16, big-endian).
        QVERIFY(pdf.contains(QByteArray("\0R\0i\0c\0h\0E\0d\0i\0t\0\x31", 18)));
    }

    void printWrapsALineWiderThanThePage() {
        ResultsWindow window;
        // One word, so that only breaking inside it keeps it on the paper.
        window.appendLines({QString(linesPerPage() * 200, QChar(0x0416))});
        fixture().desktop().answerPrint("printed.pdf");
        window.printReport(&window);
        QVERIFY(pdfPageCount(contentOf("printed.pdf")) > 1);
    }

    void printsOnThePrinterChosenBefore() {
        ResultsWindow window;
        window.appendLines({"a"});
        fixture().desktop().answerPrint("first.pdf");
        fixture().desktop().cancelPrint();
        fixture().desktop().answerPrint("second.pdf");
        window.printReport(&window);
        // The printer chosen once stays, even when the desktop has no default printer any more.
        fixture().desktop().setPrinterAvailable(false);
        window.printReport(&window);
        window.printReport(&window);
        QCOMPARE(fixture().desktop().printersShown(),
                 QStringList({"default-printer.pdf", "first.pdf", "first.pdf"}));
        QCOMPARE(pdfPageCount(contentOf("second.pdf")), 1);
    }

    void printWithoutAChosenPrinterKeepsTheCopy_data() {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("no default printer")
            << false << "There is no default printer currently selected" << 0;
        QTest::newRow("dialog cancelled") << true << "" << 1;
    }
    void printWithoutAChosenPrinterKeepsTheCopy() {
        QFETCH(bool, printer);
        QFETCH(QString, failure);
        QFETCH(int, dialogs);
        ResultsWindow window;
        window.appendLines({"a"});
        window.findChild<QPlainTextEdit*>("Memo1")->appendPlainText("edited");
        fixture().desktop().setPrinterAvailable(printer);
        if (printer)
            fixture().desktop().cancelPrint();
        QCOMPARE(failureOf([&] { window.printReport(&window); }), failure);
        QCOMPARE(fixture().desktop().printDialogs(), dialogs);
        QCOMPARE(window.printBufferText(), "a\n\nedited");
        QVERIFY(QDir::current().isEmpty());
    }

    void everyCloseHidesAndSignals_data() {
        QTest::addColumn<std::function<void(ResultsWindow&)>>("close");
        QTest::newRow("Ok button")
            << std::function<void(ResultsWindow&)>([](ResultsWindow& window) {
                   QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
               });
        QTest::newRow("close box") << std::function<void(ResultsWindow&)>(
            [](ResultsWindow& window) { window.windowHandle()->close(); });
    }
    void everyCloseHidesAndSignals() {
        QFETCH(std::function<void(ResultsWindow&)>, close);
        ResultsWindow window;
        QSignalSpy closing(&window, &ResultsWindow::closing);
        for (int time = 1; time <= 2; ++time) {
            window.showResults();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            close(window);
            QVERIFY(window.isHidden());
            QCOMPARE(closing.count(), time);
        }
    }

    void showResultsLeavesAVisibleWindowAlone_data() {
        QTest::addColumn<bool>("minimized");
        QTest::newRow("behind another window") << false;
        QTest::newRow("minimized") << true;
    }
    void showResultsLeavesAVisibleWindowAlone() {
        QFETCH(bool, minimized);
        ResultsWindow window;
        window.showResults();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (minimized)
            window.showMinimized();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));

        window.showResults();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), &other);
        QCOMPARE(window.isMinimized(), minimized);
    }
};

NAVIVOR_QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
