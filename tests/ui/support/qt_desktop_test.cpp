// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt desktop against the real dialogs, each answered from the test while it is open.
#include "tests/ui/support/ui_test.h"
#include "ui/desktop/font_colour_dialog.h"
#include "ui/desktop/qt_desktop.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>

using navivor::FontChoice;
using navivor::MessageIcon;
using navivor::QtDesktop;
using navivor::SaveFileRequest;

class QtDesktopTest : public navivor::test::UiTest {
    Q_OBJECT
    QtDesktop desktop_;

private slots:
    void messageBoxHasOnlyOk_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("plain") << MessageIcon::None << QMessageBox::NoIcon;
        QTest::newRow("error") << MessageIcon::Error << QMessageBox::Critical;
    }

    void messageBoxHasOnlyOk() {
        QFETCH(MessageIcon, icon);
        QFETCH(QMessageBox::Icon, shown);
        bool seen = false;
        fixture().onNextModal([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("Navivor"));
            QCOMPARE(box->text(), QStringLiteral("Thickness missing"));
            QCOMPARE(box->icon(), shown);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().constFirst()), QMessageBox::Ok);
            box->buttons().constFirst()->click();
        });
        desktop_.showMessage(nullptr, QStringLiteral("Navivor"),
                             QStringLiteral("Thickness missing"), icon);
        QVERIFY(seen);
    }

    void saveDialogAppendsSuffixAndKeepsDirectory_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("name without extension") << "report"
                                                << "report.txt";
        QTest::newRow("name with extension") << "report.log"
                                             << "report.log";
        QTest::newRow("existing file, no question") << "existing.txt"
                                                    << "existing.txt";
    }

    void saveDialogAppendsSuffixAndKeepsDirectory() {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        const QString start = QDir::currentPath();
        QVERIFY(QDir().mkdir(QStringLiteral("elsewhere")));
        const QString folder = QDir(QStringLiteral("elsewhere")).absolutePath();
        QFile existing(folder + QStringLiteral("/existing.txt"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        fixture().onNextModal([&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Text files (*.txt)")});
            QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(),
                     QStringLiteral("result.txt"));
            // Typed as the user does; selectFile() leaves the focused name field alone.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            dialog->setDirectory(folder);
            name->setText(typed);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
        });
        const std::optional<QString> path = desktop_.chooseSaveFile(
            nullptr, SaveFileRequest{QStringLiteral("result.txt"),
                                     QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")});
        QCOMPARE(path.value_or(QStringLiteral("(cancelled)")), folder + QLatin1Char('/') + chosen);
        QCOMPARE(QDir::currentPath(), start);
    }

    void printerKeepsEveryPageWhateverTheDialogChose() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(1, 1);
        navivor::keepEveryPage(printer);
        QCOMPARE(printer.printRange(), QPrinter::AllPages);
        QVERIFY(printer.pageRanges().isEmpty());
        QCOMPARE(printer.fromPage(), 0);
    }

    void fontDialogConfirmedUnchangedGivesTheSameFontAndColour() {
        const QString family = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::families().contains(family))
            QSKIP("The font of this test is not installed");
        QFont font(family, 12);
        font.setBold(true);
        fixture().onNextModal([](QWidget* window) {
            QVERIFY(qobject_cast<navivor::FontColourDialog*>(window));
            qobject_cast<QDialog*>(window)->accept();
        });
        const std::optional<FontChoice> choice =
            desktop_.chooseFont(nullptr, FontChoice{font, QColor(Qt::darkBlue)});
        QVERIFY(choice);
        QCOMPARE(choice->font.family(), family);
        QCOMPARE(choice->font.pointSize(), 12);
        QVERIFY(choice->font.bold());
        QCOMPARE(choice->colour, QColor(Qt::darkBlue));
    }

    // The opener's exit status decides, as a terminal browser that gives up exits non-zero.
    void anOpenerThatFailsIsReported_data() {
        QTest::addColumn<QString>("opener"); // the xdg-open found first on PATH; empty: none
        QTest::addColumn<bool>("failed");
        QTest::newRow("opened") << ": >ran; exit 0" << false;
        QTest::newRow("opener failed") << ": >ran; exit 4" << true;
        QTest::newRow("no opener") << "" << true;
    }
    void anOpenerThatFailsIsReported() {
        QFETCH(QString, opener);
        QFETCH(bool, failed);
        const QString bin = QDir::current().filePath("bin");
        QVERIFY(QDir().mkpath(bin));
        if (!opener.isEmpty()) {
            QFile script(bin + "/xdg-open");
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(("#!/bin/sh\n" + opener + "\n").toUtf8());
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toUtf8());
        int failures = 0;
        desktop_.openUrl(QUrl::fromLocalFile("/nonexistent.htm"), [&failures] { ++failures; });
        qputenv("PATH", path);
        if (failed) {
            QTRY_COMPARE(failures, 1);
        } else {
            QTRY_VERIFY(QFile::exists("ran"));
            QTest::qWait(200); // time for a report that should not come
            QCOMPARE(failures, 0);
        }
    }
};

NAVIVOR_QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
