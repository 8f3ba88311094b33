// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"
#include "tests/support/worked_example.h"
#include "text/cp1251.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace navivor::test {

namespace {

QStringList lines(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

const QStringList kWorkedExample = lines(navivor::testing::kWorkedExampleReport);
const QStringList kFillBlock = lines(navivor::testing::kWorkedExampleFill);

QString crlf(const QStringList& lines) {
    return lines.join("\r\n") + "\r\n";
}

} // namespace

class CalculatePressTest : public UiTest {
    Q_OBJECT
    MainWindowFixture mainWindow;

    UiTestFixture& fixture() override { return mainWindow; }

    MainWindow& form() { return mainWindow.form(); }
    ResultsWindow& results() { return mainWindow.windows->resultsWindow(); }

    void typeWorkedExample() {
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 1, 1, "12");
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 2, 1, "2");
        MainWindowFixture::typeInto(form().inputs().coreSection, "1000");
    }
    void press() { QTest::mouseClick(form().inputs().calculate, Qt::LeftButton); }
    void typeDiametersAndWindow() {
        MainWindowFixture::typeInto(form().inputs().primaryGrid, 1, 0, "0,27");
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 3, 1, "1,12");
        MainWindowFixture::typeInto(form().inputs().windowArea, "500");
    }

private slots:
    void wholeRoadOfOneCalculation() {
        typeWorkedExample();
        press();
        QCOMPARE(results().reportText(), crlf(kWorkedExample));
        QVERIFY(results().isVisible());
        QCOMPARE(form().inputs().calculate->text(), QString("Заполнение"));
        QCOMPARE(form().inputs().primaryGrid->cell(1, 0), QString(""));
        QCOMPARE(form().inputs().windingsGrid->columnCount(), 4);
        QVERIFY(form().findChild<QToolButton*>("ToolButton1")->isEnabled());
        QVERIFY(form().findChild<QToolButton*>("ToolButton2")->isEnabled());

        typeDiametersAndWindow();
        press();
        QCOMPARE(results().reportText(), crlf(kWorkedExample + kFillBlock));
        press();
        QCOMPARE(results().reportText(), crlf(kWorkedExample + kFillBlock + kFillBlock));
        QCOMPARE(form().centralWidget()->width(), 507); // the column is added once
    }

    void savedWithCtrlSAsWindows1251() {
        typeWorkedExample();
        press();
        typeDiametersAndWindow();
        press();
        const QString path = mainWindow.directory() + "/report.txt";
        mainWindow.desktop().answerSave(path);
        QTest::keyClick(&form(), Qt::Key_S, Qt::ControlModifier);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(),
                 encodeCp1251(crlf(kWorkedExample + kFillBlock).toStdString()));
    }

    void insufficientCoreKeepsCalculationMode() {
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 1, 1, "12");
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 2, 1, "2");
        MainWindowFixture::typeInto(form().inputs().coreSection, "400");
        press();
        QCOMPARE(results().reportText(),
                 crlf({"Недостаточное сечение сердечника !!!",
                       "Требуемое сечение сердечника не менее 491  мм. кв."}));
        QCOMPARE(form().inputs().calculate->text(), QString("Расчитать"));
        QCOMPARE(form().inputs().primaryGrid->cell(1, 0), QString("  ----------"));
        QCOMPARE(form().centralWidget()->width(), 507);
        press();
        QCOMPARE(form().centralWidget()->width(), 507);
        QCOMPARE(form().inputs().calculate->text(), QString("Расчитать"));
    }

    void missingThicknessShowsTheMessageOnly_data() {
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<bool>("fillMode");
        QTest::newRow("zero, calculation mode") << "0" << false;
        QTest::newRow("empty, calculation mode") << "" << false;
        QTest::newRow("zero, fill mode") << "0" << true;
        QTest::newRow("empty, fill mode") << "" << true;
    }
    void missingThicknessShowsTheMessageOnly() {
        QFETCH(QString, thickness);
        QFETCH(bool, fillMode);
        typeWorkedExample();
        if (fillMode)
            press();
        const QString report = results().reportText();
        const bool visible = results().isVisible();
        form().inputs().thickness->setText(thickness);
        MainWindowFixture::typeInto(form().inputs().primaryGrid, 0, 0, "0");
        press();
        QCOMPARE(mainWindow.desktop().messages().size(), 1);
        QCOMPARE(mainWindow.desktop().messages()[0].caption, QString("Ошибка !"));
        QCOMPARE(mainWindow.desktop().messages()[0].text,
                 QString("Введите значение толщины пластин сердечника !"));
        QCOMPARE(mainWindow.desktop().messages()[0].icon, MessageIcon::None);
        QCOMPARE(results().reportText(), report);
        QCOMPARE(results().isVisible(), visible);
        QCOMPARE(form().inputs().primaryGrid->cell(0, 0), QString("0"));
        QCOMPARE(form().inputs().calculate->text(), fillMode ? "Заполнение" : "Расчитать");
    }

    void primaryVoltageBelowATenthIsRaised() {
        typeWorkedExample();
        MainWindowFixture::typeInto(form().inputs().primaryGrid, 0, 0, "0");
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 1, 1, "");
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 2, 1, "");
        press();
        QCOMPARE(form().inputs().primaryGrid->cell(0, 0), QString("0,1"));
        QCOMPARE(form().inputs().windingsGrid->cell(1, 1), QString("0"));
        QVERIFY(results().reportText().contains("Напряжение первичной обмотки, В - 0,1\r\n"));
    }

    void failureMidReportKeepsWhatWasDone() {
        form().inputs().secondaryCount->setValue(2);
        typeWorkedExample();
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 1, 2, "5");
        form().inputs().windingsGrid->setCell(2, 2, "-1"); // pasted: a minus cannot be typed
        press();
        QCOMPARE(mainWindow.desktop().messages().size(), 1);
        QCOMPARE(mainWindow.desktop().messages()[0].text,
                 QString("Invalid floating point operation."));
        QVERIFY(results().reportText().endsWith("Количество витков : 29\r\n"));
        QCOMPARE(form().inputs().calculate->text(), QString("Расчитать"));
        QCOMPARE(form().inputs().windingsGrid->columnCount(), 3);
        QVERIFY(!results().isVisible());
    }

    void resetInFillModeKeepsTheWindowAndTheDiameters() {
        typeWorkedExample();
        press();
        typeDiametersAndWindow();
        form().inputs().reset->click();
        QVERIFY(results().isVisible());
        QCOMPARE(results().reportText(), QString());
        QCOMPARE(form().inputs().calculate->text(), QString("Расчитать"));
        QVERIFY(!form().findChild<QAction*>("Save")->isEnabled());
        QVERIFY(!form().findChild<QToolButton*>("ToolButton1")->isEnabled());
        QCOMPARE(form().inputs().windingsGrid->cell(3, 1), QString("1,12"));
        press();
        QCOMPARE(results().reportText(), crlf(kWorkedExample));
        QCOMPARE(form().inputs().primaryGrid->cell(1, 0), QString(""));
    }

    void closingTheResultsReturnsToCalculationMode() {
        typeWorkedExample();
        press();
        results().close();
        QVERIFY(!results().isVisible());
        QCOMPARE(results().reportText(), QString());
        QCOMPARE(form().inputs().calculate->text(), QString("Расчитать"));
        QVERIFY(!form().findChild<QToolButton*>("ToolButton2")->isEnabled());
        QVERIFY(!form().findChild<QAction*>("Print")->isEnabled());
        press();
        QCOMPARE(results().reportText(), crlf(kWorkedExample));
        QVERIFY(results().isVisible());
    }

    void shortcutsNeedAReport() {
        QVERIFY(form().findChild<QAction*>("Save")->isEnabled()); // until the menu is first checked
        QTest::keyClick(&form(), Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&form(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!form().findChild<QAction*>("Save")->isEnabled());
        QVERIFY(!form().findChild<QAction*>("Print")->isEnabled());
        QCOMPARE(mainWindow.desktop().saveRequests().size(), 0);
        QCOMPARE(mainWindow.desktop().printDialogs(), 0);

        typeWorkedExample();
        press();
        mainWindow.desktop().cancelPrint();
        QTest::keyClick(&form(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(mainWindow.desktop().printDialogs(), 1);
        QVERIFY(form().findChild<QAction*>("Print")->isEnabled());
    }
};

} // namespace navivor::test

NAVIVOR_QTEST_MAIN(navivor::test::CalculatePressTest)
#include "calculate_press_test.moc"
