// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"
#include "ui/widgets/static_text.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace navivor::test {

class MainWindowTest : public UiTest {
    Q_OBJECT
    MainWindowFixture mainWindow;

    UiTestFixture& fixture() override { return mainWindow; }

    MainWindow& form() { return mainWindow.form(); }

private slots:
    void startsWithTheDesignedTextsAndSizes() {
        QCOMPARE(form().windowTitle(), QString("Расчет трансформатора"));
        QCOMPARE(form().centralWidget()->size(), QSize(447, 294));
        QCOMPARE(form().inputs().windingsGrid->cell(0, 0), QString("  № обм."));
        QCOMPARE(form().inputs().windingsGrid->cell(1, 0), QString("    U (В)"));
        QCOMPARE(form().inputs().windingsGrid->cell(2, 0), QString("     I (A)"));
        QCOMPARE(form().inputs().windingsGrid->cell(0, 1), QString("1"));
        QCOMPARE(form().inputs().windingsGrid->columnCount(), 3);
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 2);
        QCOMPARE(form().inputs().primaryGrid->cell(0, 0), QString("220"));
        QCOMPARE(form().inputs().primaryGrid->cell(1, 0), QString("  ----------"));
        QCOMPARE(form().inputs().thickness->text(), QString("0,1"));
        QCOMPARE(form().inputs().secondaryCount->text(), QString("1"));
        QCOMPARE(form().inputs().frequency->text(), QString("50"));
        QCOMPARE(form().inputs().coreSection->text(), QString("1"));
        QCOMPARE(form().inputs().windowArea->text(), QString("1"));
        QCOMPARE(form().inputs().calculate->text(), QString("Расчитать"));
        QCOMPARE(form().inputs().reset->text(), QString("Сброс"));
        QVERIFY(!form().findChild<QToolButton*>("ToolButton1")->isEnabled());
        QVERIFY(!form().findChild<QToolButton*>("ToolButton2")->isEnabled());
        QVERIFY(form().findChild<QAction*>("N4")->isChecked());
        QVERIFY(!form().findChild<QAction*>("N13")->isChecked());
        QCOMPARE(form().findChild<QAction*>("Save")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(form().findChild<QAction*>("Print")->shortcut(), QKeySequence("Ctrl+P"));
    }

    void controlsSitWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("ToolBar1") << "ToolBar1" << QRect(0, 0, 447, 30);
        QTest::newRow("SG2") << "SG2" << QRect(92, 54, 126, 22);
        QTest::newRow("SE2") << "SE2" << QRect(169, 88, 49, 23);
        QTest::newRow("SE1") << "SE1" << QRect(176, 124, 42, 23);
        QTest::newRow("SE4") << "SE4" << QRect(163, 161, 55, 23);
        QTest::newRow("SE5") << "SE5" << QRect(163, 196, 55, 23);
        QTest::newRow("Edit1") << "Edit1" << QRect(163, 226, 55, 22);
        QTest::newRow("Button1") << "Button1" << QRect(17, 262, 104, 25);
        QTest::newRow("Button2") << "Button2" << QRect(132, 262, 104, 25);
        QTest::newRow("SG1") << "SG1" << QRect(258, 36, 187, 42);
        QTest::newRow("ST1") << "ST1" << QRect(306, 106, 92, 22);
        QTest::newRow("Image1") << "Image1" << QRect(264, 148, 177, 109);
        QTest::newRow("Label9") << "Label9" << QRect(4, 156, 154, 35);
    }
    void controlsSitWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* control = form().centralWidget()->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
    }

    void tabVisitsTheInputsInTheirOrder() {
        QWidget* order[] = {form().inputs().windingsGrid, form().inputs().secondaryCount,
                            form().inputs().calculate,    form().inputs().coreSection,
                            form().inputs().windowArea,   form().inputs().reset,
                            form().inputs().frequency,    form().inputs().primaryGrid,
                            form().inputs().thickness,    form().inputs().windingsGrid};
        QVERIFY(order[0]->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == order[0]);
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == order[i] || order[i]->isAncestorOf(focus),
                     qPrintable(QString("step %1 went to %2").arg(i).arg(focus->objectName())));
        }
    }

    void keyFiltersLetOnlyNumberCharactersThrough_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("grid drops letters and signs") << ","
                                                      << "SG1"
                                                      << "12a-3"
                                                      << "123";
        QTest::newRow("grid keeps the comma") << ","
                                              << "SG1"
                                              << "0,5"
                                              << "0,5";
        QTest::newRow("grid drops the point") << ","
                                              << "SG1"
                                              << "0.5"
                                              << "05";
        QTest::newRow("primary grid drops blanks") << ","
                                                   << "SG2"
                                                   << "2 3+0"
                                                   << "230";
        QTest::newRow("thickness drops the point") << ","
                                                   << "Edit1"
                                                   << "0.5"
                                                   << "05";
        QTest::newRow("point locale drops the comma") << "."
                                                      << "Edit1"
                                                      << "0,5"
                                                      << "05";
        QTest::newRow("point locale keeps the point") << "."
                                                      << "SG1"
                                                      << "0.5"
                                                      << "0.5";
    }
    void keyFiltersLetOnlyNumberCharactersThrough() {
        QFETCH(QString, separator);
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        const testing::SeparatorScope scope(separator.toStdString());
        if (field == "Edit1") {
            form().inputs().thickness->setFocus();
            form().inputs().thickness->clear();
            QTest::keyClicks(form().inputs().thickness, keys);
            QCOMPARE(form().inputs().thickness->text(), text);
        } else {
            StringGrid* grid =
                field == "SG1" ? form().inputs().windingsGrid : form().inputs().primaryGrid;
            const int column = field == "SG1" ? 1 : 0;
            MainWindowFixture::typeInto(grid, column, field == "SG1" ? 1 : 0, keys);
            QCOMPARE(grid->cell(column, field == "SG1" ? 1 : 0), text);
        }
        QCOMPARE(mainWindow.desktop().beeps(), 0);
    }

    void keyFiltersDropEnterEscapeAndClipboardKeys() {
        form().inputs().thickness->setFocus();
        form().inputs().thickness->setText("7");
        QApplication::clipboard()->setText("99");
        QTest::keyClick(form().inputs().thickness, Qt::Key_End);
        for (auto [key, modifiers] : {std::pair{Qt::Key_V, Qt::ControlModifier},
                                      {Qt::Key_Return, Qt::NoModifier},
                                      {Qt::Key_Escape, Qt::NoModifier},
                                      {Qt::Key_A, Qt::AltModifier},
                                      {Qt::Key_Z, Qt::MetaModifier}})
            QTest::keyClick(form().inputs().thickness, key, modifiers);
        QTest::keyClick(form().inputs().thickness, Qt::Key_Backspace);
        QCOMPARE(form().inputs().thickness->text(), QString(""));
        // Dropped text would pass the filter by; the spin fields keep their paste and drop.
        QVERIFY(!form().inputs().thickness->acceptDrops());
        QVERIFY(!form().inputs().windingsGrid->editor()->acceptDrops());
        QVERIFY(!form().inputs().primaryGrid->editor()->acceptDrops());
    }

    void spinFieldsBeepAndClampWhenLeft() {
        MainWindowFixture::typeInto(form().inputs().coreSection, "12a-3");
        QTest::keyClick(form().inputs().coreSection->editor(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(form().inputs().coreSection->text(), QString("12-3"));
        QCOMPARE(mainWindow.desktop().beeps(), 2);
        QCOMPARE(form().inputs().coreSection->value(), 1);
        MainWindowFixture::typeInto(form().inputs().frequency, "2000");
        QCOMPARE(form().inputs().frequency->value(), 2000);
        form().inputs().windowArea->editor()->setFocus();
        QCOMPARE(form().inputs().frequency->text(), QString("1000"));
    }

    void secondariesFromElevenToTwelveAndBack() {
        form().inputs().secondaryCount->setValue(11);
        QCOMPARE(form().inputs().windingsGrid->size(), QSize(187, 233));
        form().inputs().secondaryCount->editor()->setFocus();
        QTest::keyClick(form().inputs().secondaryCount->editor(), Qt::Key_Up);
        QCOMPARE(form().inputs().secondaryCount->text(), QString("12"));
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 13);
        QCOMPARE(form().inputs().windingsGrid->size(), QSize(204, 233));
        QCOMPARE(form().centralWidget()->width(), 465);
        QVERIFY(form().inputs().windingsGrid->verticalScrollBar()->isVisible());
        QCOMPARE(form().inputs().windingsGrid->cell(0, 12), QString("12"));
        QTest::keyClick(form().inputs().secondaryCount->editor(), Qt::Key_Down);
        QCOMPARE(form().inputs().windingsGrid->size(), QSize(187, 233));
        QCOMPARE(form().centralWidget()->width(), 447);
        QVERIFY(!form().inputs().windingsGrid->verticalScrollBar()->isVisible());
    }

    void typingSeventyFiveGivesFifty() {
        MainWindowFixture::typeInto(form().inputs().secondaryCount, "7");
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 8);
        QCOMPARE(form().inputs().windingsGrid->height(), 157);
        QTest::keyClicks(form().inputs().secondaryCount->editor(), "5");
        QCOMPARE(form().inputs().secondaryCount->text(), QString("50"));
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 51);
        QCOMPARE(form().inputs().windingsGrid->size(), QSize(204, 233));
        QCOMPARE(form().centralWidget()->width(), 465);
        QCOMPARE(form().inputs().windingsGrid->cell(0, 50), QString("50"));
    }

    void jumpingPastTwelveShowsTwelveRows() {
        MainWindowFixture::typeInto(form().inputs().secondaryCount, "15");
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 16);
        QCOMPARE(form().inputs().windingsGrid->size(), QSize(204, 233));
    }

    void countsBelowOneOrUnreadableShowOneSecondary_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << "0"
                              << "1";
        QTest::newRow("minus three") << "-3"
                                     << "1";
        QTest::newRow("lone minus") << "-"
                                    << "-";
    }
    void countsBelowOneOrUnreadableShowOneSecondary() {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        form().inputs().secondaryCount->setValue(5);
        MainWindowFixture::typeInto(form().inputs().secondaryCount, keys);
        QCOMPARE(form().inputs().secondaryCount->text(), text);
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 2);
        QCOMPARE(form().inputs().windingsGrid->height(), 43);
    }

    void loweringAndRaisingTheCountKeepsTypedTexts() {
        form().inputs().secondaryCount->setValue(5);
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 1, 4, "24");
        MainWindowFixture::typeInto(form().inputs().windingsGrid, 1, 5, "36");
        form().inputs().secondaryCount->setValue(3);
        QCOMPARE(form().inputs().windingsGrid->rowCount(), 4);
        form().inputs().secondaryCount->setValue(5);
        QCOMPARE(form().inputs().windingsGrid->cell(1, 4), QString("24"));
        QCOMPARE(form().inputs().windingsGrid->cell(1, 5), QString("36"));
    }

    void diameterColumnWidths() {
        MainWindowFixture::typeInto(form().inputs().coreSection, "1000");
        QTest::mouseClick(form().inputs().calculate, Qt::LeftButton);
        QCOMPARE(form().inputs().windingsGrid->columnCount(), 4);
        QCOMPARE(form().centralWidget()->width(), 507);
        QCOMPARE(form().inputs().windingsGrid->width(), 248);
        QCOMPARE(form().findChild<QLabel*>("ST1")->x(), 336);
        QCOMPARE(form().inputs().windingsGrid->cell(3, 0), QString(" Диам.пр."));
        form().inputs().secondaryCount->editor()->setFocus(); // tabbing into the count re-applies
                                                              // the sizes
        QCOMPARE(form().centralWidget()->width(), 508);
        form().inputs().secondaryCount->setValue(11);
        QCOMPARE(form().inputs().windingsGrid->width(), 248);
        form().inputs().secondaryCount->setValue(12);
        QCOMPARE(form().inputs().windingsGrid->width(), 265);
        QCOMPARE(form().centralWidget()->width(), 526);
    }

    void flatButtonsAndStayOnTopToggle() {
        form().findChild<QAction*>("N4")->trigger();
        QVERIFY(!form().findChild<QAction*>("N4")->isChecked());
        QVERIFY(!form().findChild<QToolButton*>("ToolButton3")->autoRaise());
        form().findChild<QAction*>("N4")->trigger();
        QVERIFY(form().findChild<QAction*>("N4")->isChecked());
        QVERIFY(form().findChild<QToolButton*>("ToolButton3")->autoRaise());
        form().findChild<QAction*>("N13")->trigger();
        QVERIFY(form().findChild<QAction*>("N13")->isChecked());
        QVERIFY(form().windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form().isVisible());
        form().findChild<QAction*>("N13")->trigger();
        QVERIFY(!(form().windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void referenceDocumentsOpenFromTheCurrentDirectory_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("asked");
        QTest::newRow("opened") << true << true << 3;
        QTest::newRow("missing") << false << true << 0;
        QTest::newRow("no program for it") << true << false << 3;
    }
    void referenceDocumentsOpenFromTheCurrentDirectory() {
        QFETCH(bool, present);
        QFETCH(bool, opens);
        QFETCH(int, asked);
        const QStringList documents = {"wiresize.htm", "wiretype.htm", "dimensions.htm"};
        for (const QString& document : documents)
            if (QFile file(document); present)
                QVERIFY(file.open(QIODevice::WriteOnly));
        mainWindow.desktop().setOpenSucceeds(opens);
        form().findChild<QAction*>("N10")->trigger();
        form().findChild<QAction*>("N12")->trigger();
        form().findChild<QAction*>("N14")->trigger();
        const QList<QUrl>& opened = mainWindow.desktop().openedUrls();
        QCOMPARE(opened.size(), asked);
        for (int i = 0; i < asked; ++i)
            QCOMPARE(opened[i], QUrl::fromLocalFile(QDir::current().filePath(documents[i])));
        const QList<ScriptedDesktop::Message>& messages = mainWindow.desktop().messages();
        QCOMPARE(messages.size(), present && opens ? 0 : 3);
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY(messages[i].text.startsWith("Cannot open " + documents[i] + ":"));
    }
};

} // namespace navivor::test

NAVIVOR_QTEST_MAIN(navivor::test::MainWindowTest)
#include "main_window_test.moc"
