// SPDX-License-Identifier: GPL-3.0-or-later
// The etched tool bar as drawn: its two lines, and its buttons inside the border.
#include "tests/ui/support/ui_test.h"
#include "ui/widgets/etched_tool_bar.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

#include <memory>

using navivor::EtchedToolBar;

class EtchedToolBarTest : public navivor::test::UiTest {
    Q_OBJECT

private slots:
    void linesAndBorder_data() {
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("styleChanged");
        QTest::newRow("border 1") << 1 << false;
        QTest::newRow("no border") << 0 << false;
        QTest::newRow("border 1, then a new style") << 1 << true;
    }
    void linesAndBorder() {
        QFETCH(int, border);
        QFETCH(bool, styleChanged);
        // Made first, so that it outlives the bar that uses it.
        std::unique_ptr<QStyle> style(QStyleFactory::create("Windows"));
        EtchedToolBar bar;
        bar.setBorderWidth(border);
        auto* first = new QToolButton(&bar);
        first->setFixedSize(23, 22);
        bar.addWidget(first);
        auto* second = new QToolButton(&bar);
        second->setFixedSize(23, 22);
        bar.addWidget(second);
        if (styleChanged)
            bar.setStyle(style.get());
        bar.setGeometry(0, 0, 200, 30);
        const QImage drawn = bar.grab().toImage();
        QCOMPARE(drawn.pixel(100, 0), bar.palette().color(QPalette::Mid).rgb());
        QCOMPARE(drawn.pixel(100, 29), bar.palette().color(QPalette::Light).rgb());
        QCOMPARE(first->x(), border);
        QCOMPARE(second->x(), border + 23); // no spacing between the buttons
    }
};

NAVIVOR_QTEST_MAIN(EtchedToolBarTest)
#include "etched_tool_bar_test.moc"
