// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's collaborators on bare controls, without the window: the grid sizing, the
// appearance state and the calculate press.
#include "tests/support/separator_scope.h"
#include "tests/ui/support/ui_test.h"
#include "ui/main/appearance_state.h"
#include "ui/main/calculate_press.h"
#include "ui/main/windings_grid_sizing.h"
#include "ui/results/results_window.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace navivor::test {
namespace {

// The controls a main window would hold, on a plain parent.
struct BareControls {
    QWidget client;
    StringGrid* windingsGrid = new StringGrid(3, 2, 1, 1, &client);
    StringGrid* primaryGrid = new StringGrid(2, 1, 0, 0, &client);
    SpinField* count = new SpinField(1, 50, 1, &client);
    SpinField* frequency = new SpinField(1, 1000, 50, &client);
    SpinField* section = new SpinField(1, 1000000, 1, &client);
    SpinField* windowArea = new SpinField(1, 10000000, 1, &client);
    QLineEdit* thickness = new QLineEdit("0,1", &client);
    QPushButton* calculate = new QPushButton(&client);
    QWidget* movedAside = new QWidget(&client);
    int clientWidth = WindingsGridSizing::kNarrowClientWidth;
    WindingsGridSizing sizing{windingsGrid,
                              count,
                              {movedAside},
                              [this] { return clientWidth; },
                              [this](int width) { clientWidth = width; }};
};

} // namespace

class CollaboratorsTest : public UiTest {
    Q_OBJECT

private slots:
    void gridFollowsTheCount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("diameters");
        QTest::addColumn<QList<int>>("rowsWidthHeightClient");
        QTest::newRow("one") << "1" << false << QList<int>{2, 187, 43, 447};
        QTest::newRow("eleven, no scroll bar") << "11" << false << QList<int>{12, 187, 233, 447};
        QTest::newRow("twelve scroll") << "12" << false << QList<int>{13, 204, 233, 465};
        QTest::newRow("above the most, clamped") << "60" << false << QList<int>{51, 204, 233, 465};
        QTest::newRow("three with diameters") << "3" << true << QList<int>{4, 248, 81, 508};
        QTest::newRow("fifty with diameters") << "50" << true << QList<int>{51, 265, 233, 526};
    }
    void gridFollowsTheCount() {
        QFETCH(QString, typed);
        QFETCH(bool, diameters);
        QFETCH(QList<int>, rowsWidthHeightClient);
        BareControls controls;
        controls.windingsGrid->resize(187, 42);
        if (diameters) {
            controls.sizing.addDiameterColumn("d");
            QCOMPARE(controls.clientWidth, 507);
            QCOMPARE(controls.movedAside->x(), 30);
            QCOMPARE(controls.windingsGrid->cell(3, 0), QString("d"));
        }
        controls.count->setText(typed);
        controls.sizing.countChanged();
        const QList<int> shown = {controls.windingsGrid->rowCount(), controls.windingsGrid->width(),
                                  controls.windingsGrid->height(), controls.clientWidth};
        QCOMPARE(shown, rowsWidthHeightClient);
        QCOMPARE(controls.windingsGrid->cell(0, shown[0] - 1), QString::number(shown[0] - 1));
    }

    // Each colour key reaches the control it names; a missing file leaves the defaults.
    void savedLooksReachTheControls() {
        QFile file("Navivor.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Color]\r\nSG1=255\r\nbgc2=65280\r\nSe4=16711680\r\nEdit1=65535\r\n"
                   "form=0\r\n[Font]\r\nsize=12\r\nname=DejaVu Sans\r\n");
        file.close();
        BareControls controls;
        AppearanceState looks(fixture().desktop(),
                              {&controls.client, controls.windingsGrid, controls.primaryGrid,
                               controls.count, controls.frequency, controls.section,
                               controls.windowArea, controls.thickness});
        looks.load("./Navivor.ini");
        QCOMPARE(controls.windingsGrid->cellColour(), QColor(Qt::red));
        QCOMPARE(controls.primaryGrid->cellColour(), QColor(Qt::green));
        QCOMPARE(controls.section->colour(), QColor(Qt::blue));
        QCOMPARE(controls.thickness->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(controls.client.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(controls.client.font().family(), QString("DejaVu Sans"));
        QCOMPARE(controls.client.font().pixelSize(), 16);

        fixture().desktop().cancelColour();
        looks.chooseFieldColour(&controls.client);
        looks.save("./Navivor.ini", "English");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(saved.contains("SG1=255\r\n") && saved.contains("Lang=English\r\n"));
    }

    // Two presses of the worked example: the calculation, then the fill check.
    void pressRunsTheCycle() {
        const testing::SeparatorScope comma(",");
        BareControls controls;
        ResultsWindow results(fixture().desktop());
        CalculatePress press({controls.windingsGrid, controls.primaryGrid, controls.frequency,
                              controls.section, controls.windowArea, controls.thickness,
                              controls.calculate},
                             controls.sizing, fixture().desktop(), [] { return QString(); });
        press.showReportsIn([&results]() -> ResultsWindow& { return results; });
        controls.primaryGrid->setCell(0, 0, "220");
        controls.windingsGrid->setCell(1, 1, "12");
        controls.windingsGrid->setCell(2, 1, "2");
        controls.section->setValue(1000);
        QVERIFY(!press.transformerWithTypedWires());

        QVERIFY(press.press(nullptr));
        QCOMPARE(controls.calculate->text(), QString("Заполнение"));
        QVERIFY(controls.sizing.hasDiameterColumn());
        QVERIFY(results.reportText().contains("Количество витков : 69"));
        controls.windingsGrid->setCell(3, 1, "1,12");
        QCOMPARE(press.transformerWithTypedWires()->secondaries[0].diameter, 1.12);

        controls.primaryGrid->setCell(1, 0, "0,27");
        controls.windowArea->setValue(500);
        QVERIFY(!press.press(nullptr));
        QVERIFY(results.reportText().endsWith("Заполнение окна : 47,4 %\r\n"));
        press.reset();
        QCOMPARE(controls.calculate->text(), QString("Расчитать"));
        QVERIFY(!press.transformerWithTypedWires());
        QCOMPARE(results.reportText(), QString());
    }
};

} // namespace navivor::test

NAVIVOR_QTEST_MAIN(navivor::test::CollaboratorsTest)
#include "collaborators_test.moc"
