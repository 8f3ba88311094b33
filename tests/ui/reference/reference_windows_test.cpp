// SPDX-License-Identifier: GPL-3.0-or-later
// The usage-text window and the about box, reached from the main window.
#include "tests/ui/main/main_window_fixture.h"
#include "ui/reference/about_box.h"
#include "ui/reference/usage_window.h"
#include "ui/widgets/static_text.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace navivor::test {

class ReferenceWindowsTest : public UiTest {
    Q_OBJECT
    MainWindowFixture mainWindow;
    UiTestFixture& fixture() override { return mainWindow; }
    NavivorWindows& windows() { return *mainWindow.windows; }

private slots:
    void usageTextHasItsThreeSectionsAndCannotBeEdited() {
        QPlainTextEdit* memo = windows().usageWindow().findChild<QPlainTextEdit*>("Memo1");
        const QStringList lines = memo->toPlainText().split('\n');
        QCOMPARE(lines.size(), 55);
        QCOMPARE(lines.first(), QString());
        QCOMPARE(lines.last(), QString());
        QStringList headings;
        for (const QString& line : lines)
            if (line.trimmed().startsWith("- "))
                headings << line.trimmed();
        QCOMPARE(headings,
                 QStringList({"- Общие сведения -", "- Порядок работы -", "- Пожелания -"}));

        windows().mainWindow().findChild<QAction*>("N16")->trigger();
        windows().mainWindow().findChild<QAction*>("N16")->trigger();
        QVERIFY(windows().usageWindow().isVisible());
        memo->setFocus();
        QTest::keyClicks(memo, "abc");
        QCOMPARE(memo->toPlainText().split('\n'), lines);
        memo->selectAll();
        QVERIFY(memo->textCursor().hasSelection());
    }

    void aboutBoxShowsTheProgramAndClosesOnEnter() {
        AboutBox* box = &windows().aboutBox();
        QCOMPARE(box->findChild<QLabel*>("ProductName")->text(), QString("Navivor"));
        QCOMPARE(box->findChild<QLabel*>("Version")->text(), QString("Ver.  2.01"));
        bool shown = false;
        mainWindow.onNextModal([&](QWidget* window) {
            shown = window == box;
            QTest::keyClick(box, Qt::Key_Return);
        });
        windows().mainWindow().findChild<QAction*>("About1")->trigger();
        QVERIFY(shown);
        QVERIFY(!box->isVisible());
    }

    void theMailAddressOpensANewMessage() {
        QTest::mouseClick(windows().aboutBox().findChild<QLabel*>("StaticText1"), Qt::LeftButton);
        QCOMPARE(mainWindow.desktop().openedUrls(),
                 QList<QUrl>({QUrl("mailto:navivor@example.org")}));
    }
};

} // namespace navivor::test

NAVIVOR_QTEST_MAIN(navivor::test::ReferenceWindowsTest)
#include "reference_windows_test.moc"
