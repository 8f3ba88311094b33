// SPDX-License-Identifier: GPL-3.0-or-later
// An icon made when needed: drawn and measured as the icon it makes, which it makes only at
// the first question.
#include "ui/resources/images.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace navivor::test {

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void anIconMadeWhenNeededIsTheIconItMakes_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QIcon::Mode>("mode");
        QTest::newRow("its size") << 16 << 1.0 << QIcon::Normal;
        QTest::newRow("smaller") << 12 << 1.0 << QIcon::Normal;
        QTest::newRow("larger") << 24 << 1.0 << QIcon::Normal;
        QTest::newRow("disabled") << 16 << 1.0 << QIcon::Disabled;
        QTest::newRow("twin's screen") << 16 << 2.0 << QIcon::Normal;
        QTest::newRow("smaller, twin's screen") << 12 << 2.0 << QIcon::Normal;
        QTest::newRow("between the two") << 12 << 1.5 << QIcon::Active;
    }
    void anIconMadeWhenNeededIsTheIconItMakes() {
        QFETCH(int, side);
        QFETCH(qreal, scale);
        QFETCH(QIcon::Mode, mode);
        QIcon made(packedImage(":/images/toolbar/save.png"));
        QPixmap twin = packedImage(":/images/toolbar/save@2x.png");
        twin.setDevicePixelRatio(2);
        made.addPixmap(twin);
        int makings = 0;
        const QIcon deferred = iconMadeWhenNeeded([&] {
            ++makings;
            return made;
        });
        const QSize size(side, side);
        QCOMPARE(makings, 0);

        const QPixmap shown = deferred.pixmap(size, scale, mode);
        const QPixmap expected = made.pixmap(size, scale, mode);
        QCOMPARE(shown.toImage(), expected.toImage());
        QCOMPARE(shown.devicePixelRatio(), expected.devicePixelRatio());
        QCOMPARE(deferred.actualSize(size, mode), made.actualSize(size, mode));
        QCOMPARE(deferred.availableSizes(mode), made.availableSizes(mode));
        QCOMPARE(deferred.isNull(), false);
        const auto painted = [&](const QIcon& icon) {
            QImage canvas(32, 32, QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::transparent);
            QPainter painter(&canvas);
            icon.paint(&painter, QRect(QPoint(3, 5), size), Qt::AlignCenter, mode);
            return canvas;
        };
        QCOMPARE(painted(deferred), painted(made));
        QCOMPARE(makings, 1);
    }
};

} // namespace navivor::test

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    navivor::test::IconsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "icons_test.moc"
