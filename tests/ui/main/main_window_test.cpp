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
        QCOMPARE(form().SG1->cell(0, 0), QString("  № обм."));
        QCOMPARE(form().SG1->cell(1, 0), QString("    U (В)"));
        QCOMPARE(form().SG1->cell(2, 0), QString("     I (A)"));
        QCOMPARE(form().SG1->cell(0, 1), QString("1"));
        QCOMPARE(form().SG1->columnCount(), 3);
        QCOMPARE(form().SG1->rowCount(), 2);
        QCOMPARE(form().SG2->cell(0, 0), QString("220"));
        QCOMPARE(form().SG2->cell(1, 0), QString("  ----------"));
        QCOMPARE(form().Edit1->text(), QString("0,1"));
        QCOMPARE(form().SE1->text(), QString("1"));
        QCOMPARE(form().SE2->text(), QString("50"));
        QCOMPARE(form().SE4->text(), QString("1"));
        QCOMPARE(form().SE5->text(), QString("1"));
        QCOMPARE(form().Button1->text(), QString("Расчитать"));
        QCOMPARE(form().Button2->text(), QString("Сброс"));
        QVERIFY(!form().ToolButton1->isEnabled());
        QVERIFY(!form().ToolButton2->isEnabled());
        QVERIFY(form().N4->isChecked());
        QVERIFY(!form().N13->isChecked());
        QCOMPARE(form().Save->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(form().Print->shortcut(), QKeySequence("Ctrl+P"));
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
        QWidget* order[] = {form().SG1,     form().SE1, form().Button1, form().SE4,   form().SE5,
                            form().Button2, form().SE2, form().SG2,     form().Edit1, form().SG1};
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
            form().Edit1->setFocus();
            form().Edit1->clear();
            QTest::keyClicks(form().Edit1, keys);
            QCOMPARE(form().Edit1->text(), text);
        } else {
            StringGrid* grid = field == "SG1" ? form().SG1 : form().SG2;
            const int column = field == "SG1" ? 1 : 0;
            MainWindowFixture::typeInto(grid, column, field == "SG1" ? 1 : 0, keys);
            QCOMPARE(grid->cell(column, field == "SG1" ? 1 : 0), text);
        }
        QCOMPARE(mainWindow.desktop().beeps(), 0);
    }

    void keyFiltersDropEnterEscapeAndClipboardKeys() {
        form().Edit1->setFocus();
        form().Edit1->setText("7");
        QApplication::clipboard()->setText("99");
        QTest::keyClick(form().Edit1, Qt::Key_End);
        for (auto [key, modifiers] : {std::pair{Qt::Key_V, Qt::ControlModifier},
                                      {Qt::Key_Return, Qt::NoModifier},
                                      {Qt::Key_Escape, Qt::NoModifier},
                                      {Qt::Key_A, Qt::AltModifier},
                                      {Qt::Key_Z, Qt::MetaModifier}})
            QTest::keyClick(form().Edit1, key, modifiers);
        QTest::keyClick(form().Edit1, Qt::Key_Backspace);
        QCOMPARE(form().Edit1->text(), QString(""));
        // Dropped text would pass the filter by; the spin fields keep their paste and drop.
        QVERIFY(!form().Edit1->acceptDrops());
        QVERIFY(!form().SG1->editor()->acceptDrops());
        QVERIFY(!form().SG2->editor()->acceptDrops());
    }

    void spinFieldsBeepAndClampWhenLeft() {
        MainWindowFixture::typeInto(form().SE4, "12a-3");
        QTest::keyClick(form().SE4->editor(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(form().SE4->text(), QString("12-3"));
        QCOMPARE(mainWindow.desktop().beeps(), 2);
        QCOMPARE(form().SE4->value(), 1);
        MainWindowFixture::typeInto(form().SE2, "2000");
        QCOMPARE(form().SE2->value(), 2000);
        form().SE5->editor()->setFocus();
        QCOMPARE(form().SE2->text(), QString("1000"));
    }

    void secondariesFromElevenToTwelveAndBack() {
        form().SE1->setValue(11);
        QCOMPARE(form().SG1->size(), QSize(187, 233));
        form().SE1->editor()->setFocus();
        QTest::keyClick(form().SE1->editor(), Qt::Key_Up);
        QCOMPARE(form().SE1->text(), QString("12"));
        QCOMPARE(form().SG1->rowCount(), 13);
        QCOMPARE(form().SG1->size(), QSize(204, 233));
        QCOMPARE(form().clientWidth(), 465);
        QVERIFY(form().SG1->verticalScrollBar()->isVisible());
        QCOMPARE(form().SG1->cell(0, 12), QString("12"));
        QTest::keyClick(form().SE1->editor(), Qt::Key_Down);
        QCOMPARE(form().SG1->size(), QSize(187, 233));
        QCOMPARE(form().clientWidth(), 447);
        QVERIFY(!form().SG1->verticalScrollBar()->isVisible());
    }

    void typingSeventyFiveGivesFifty() {
        MainWindowFixture::typeInto(form().SE1, "7");
        QCOMPARE(form().SG1->rowCount(), 8);
        QCOMPARE(form().SG1->height(), 157);
        QTest::keyClicks(form().SE1->editor(), "5");
        QCOMPARE(form().SE1->text(), QString("50"));
        QCOMPARE(form().SG1->rowCount(), 51);
        QCOMPARE(form().SG1->size(), QSize(204, 233));
        QCOMPARE(form().clientWidth(), 465);
        QCOMPARE(form().SG1->cell(0, 50), QString("50"));
    }

    void jumpingPastTwelveShowsTwelveRows() {
        MainWindowFixture::typeInto(form().SE1, "15");
        QCOMPARE(form().SG1->rowCount(), 16);
        QCOMPARE(form().SG1->size(), QSize(204, 233));
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
        form().SE1->setValue(5);
        MainWindowFixture::typeInto(form().SE1, keys);
        QCOMPARE(form().SE1->text(), text);
        QCOMPARE(form().SG1->rowCount(), 2);
        QCOMPARE(form().SG1->height(), 43);
    }

    void loweringAndRaisingTheCountKeepsTypedTexts() {
        form().SE1->setValue(5);
        MainWindowFixture::typeInto(form().SG1, 1, 4, "24");
        MainWindowFixture::typeInto(form().SG1, 1, 5, "36");
        form().SE1->setValue(3);
        QCOMPARE(form().SG1->rowCount(), 4);
        form().SE1->setValue(5);
        QCOMPARE(form().SG1->cell(1, 4), QString("24"));
        QCOMPARE(form().SG1->cell(1, 5), QString("36"));
    }

    void diameterColumnWidths() {
        MainWindowFixture::typeInto(form().SE4, "1000");
        QTest::mouseClick(form().Button1, Qt::LeftButton);
        QCOMPARE(form().SG1->columnCount(), 4);
        QCOMPARE(form().clientWidth(), 507);
        QCOMPARE(form().SG1->width(), 248);
        QCOMPARE(form().ST1->x(), 336);
        QCOMPARE(form().SG1->cell(3, 0), QString(" Диам.пр."));
        form().SE1->editor()->setFocus(); // tabbing into the count re-applies the sizes
        QCOMPARE(form().clientWidth(), 508);
        form().SE1->setValue(11);
        QCOMPARE(form().SG1->width(), 248);
        form().SE1->setValue(12);
        QCOMPARE(form().SG1->width(), 265);
        QCOMPARE(form().clientWidth(), 526);
    }

    void flatButtonsAndStayOnTopToggle() {
        form().N4->trigger();
        QVERIFY(!form().N4->isChecked());
        QVERIFY(!form().ToolButton3->autoRaise());
        form().N4->trigger();
        QVERIFY(form().N4->isChecked());
        QVERIFY(form().ToolButton3->autoRaise());
        form().N13->trigger();
        QVERIFY(form().N13->isChecked());
        QVERIFY(form().windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form().isVisible());
        form().N13->trigger();
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
        form().N10->trigger();
        form().N12->trigger();
        form().N14->trigger();
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
