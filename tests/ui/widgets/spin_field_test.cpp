// SPDX-License-Identifier: GPL-3.0-or-later
// The spin field driven with real key and mouse events.
#include "tests/support/separator_scope.h"
#include "tests/ui/support/ui_test.h"
#include "ui/widgets/spin_field.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

#include <memory>
#include <optional>
#include <vector>

using navivor::SpinField;

namespace {

// A shown, active window holding the field and an edit to move the focus to.
struct FieldWindow {
    QWidget window;
    SpinField* field;
    QLineEdit* elsewhere = new QLineEdit(&window);

    FieldWindow(int minimum, int maximum, const QString& text,
                const navivor::RepeatTimerSource& repeatTimers = {}) {
        field = new SpinField(minimum, maximum, minimum, &window, repeatTimers);
        field->setGeometry(10, 10, 55, 23);
        field->setText(text);
        elsewhere->move(10, 50);
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        field->setFocus();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
    void leave() { elsewhere->setFocus(Qt::TabFocusReason); }
};

// A repeat timer that times out when the test fires it; it shows the interval it was started
// with, none once stopped.
struct FiredTimer : navivor::RepeatTimer {
    std::optional<int> interval;
    void start(int ms) override { interval = ms; }
    void stop() override { interval.reset(); }
    void fire() {
        QVERIFY(interval);
        timedOut();
    }
};

} // namespace

class SpinFieldTest : public navivor::test::UiTest {
    Q_OBJECT

private slots:
    // Typed into the emptied field of 1 to 1000000.
    void typingBeepsOnRefusedCharacters_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("value");
        QTest::newRow("letter refused, sign kept") << "."
                                                   << "12a-3"
                                                   << "12-3" << 1 << 1;
        QTest::newRow("Enter refused") << "."
                                       << "5\r"
                                       << "5" << 1 << 5;
        QTest::newRow("blank refused") << "."
                                       << "1 2"
                                       << "12" << 1 << 12;
        QTest::newRow("plus kept") << "."
                                   << "+7"
                                   << "+7" << 0 << 7;
        QTest::newRow("backspace kept") << "."
                                        << "12\b"
                                        << "1" << 0 << 1;
        QTest::newRow("separator kept") << ","
                                        << "1,5"
                                        << "1,5" << 0 << 1;
        QTest::newRow("other mark refused") << ","
                                            << "1.5"
                                            << "15" << 1 << 15;
    }

    void typingBeepsOnRefusedCharacters() {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        QFETCH(int, value);
        const navivor::testing::SeparatorScope scope(separator.toStdString());
        FieldWindow view(1, 1000000, QString());
        QVERIFY(view.ready());
        QTest::keyClicks(view.field->editor(), typed);
        QCOMPARE(view.field->text(), text);
        QCOMPARE(fixture().desktop().beeps(), beeps);
        QCOMPARE(view.field->value(), value);
    }

    // Typed into the emptied field of 1 to 1000: the value read, then the text once left.
    void readingNeverClampsLeavingDoes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("left");
        QTest::newRow("above the range") << "2000" << 2000 << "1000";
        QTest::newRow("below the range") << "-3" << -3 << "1";
        QTest::newRow("zero") << "0" << 0 << "1";
        QTest::newRow("in the range") << "500" << 500 << "500";
        QTest::newRow("empty") << "" << 1 << "";
        QTest::newRow("lone sign") << "-" << 1 << "-";
    }

    void readingNeverClampsLeavingDoes() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, left);
        FieldWindow view(1, 1000, QString());
        QVERIFY(view.ready());
        QTest::keyClicks(view.field->editor(), typed);
        QCOMPARE(view.field->value(), value);
        QCOMPARE(view.field->text(), typed);
        view.leave();
        QCOMPARE(view.field->text(), left);
    }

    // One click on an arrow button, which steps on release, or one arrow key; range 1 to 1000.
    void steppingClampsToTheRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<QString>("stepped");
        QTest::newRow("click up") << "50" << true << true << "51";
        QTest::newRow("click up at the maximum") << "1000" << true << true << "1000";
        QTest::newRow("click up on a lone minus") << "-" << true << true << "2";
        QTest::newRow("click down at the minimum") << "1" << false << true << "1";
        QTest::newRow("click down above the range") << "2000" << false << true << "1000";
        QTest::newRow("key up") << "50" << true << false << "51";
        QTest::newRow("key down") << "50" << false << false << "49";
        QTest::newRow("key up on empty") << "" << true << false << "2";
    }

    void steppingClampsToTheRange() {
        QFETCH(QString, text);
        QFETCH(bool, up);
        QFETCH(bool, mouse);
        QFETCH(QString, stepped);
        FieldWindow view(1, 1000, text);
        QVERIFY(view.ready());
        view.leave();
        view.field->setText(text);
        QSignalSpy changed(view.field, &SpinField::changed);
        if (mouse) {
            QToolButton* button = up ? view.field->upButton() : view.field->downButton();
            QTest::mousePress(button, Qt::LeftButton);
            QVERIFY(view.field->editor()->hasFocus());
            QCOMPARE(view.field->text(), text);
            QTest::mouseRelease(button, Qt::LeftButton);
        } else {
            view.field->setFocus();
            QTest::keyClick(view.field->editor(), up ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(view.field->text(), stepped);
        QCOMPARE(changed.size(), text == stepped ? 0 : 1);
    }

    void releaseOffTheButtonDoesNotStep() {
        FieldWindow view(1, 1000, QStringLiteral("50"));
        QVERIFY(view.ready());
        QTest::mousePress(view.field->upButton(), Qt::LeftButton);
        QTest::mouseRelease(view.field->upButton(), Qt::LeftButton, {}, QPoint(-20, 5));
        QCOMPARE(view.field->text(), QStringLiteral("50"));
    }

    // Held down: a step 400 ms after the press and every 100 ms after that, none while dragged
    // off the button, and one more on the release, which stops the timer.
    void heldButtonRepeats() {
        std::vector<FiredTimer*> timers;
        FieldWindow view(1, 1000, QStringLiteral("50"), [&] {
            auto timer = std::make_unique<FiredTimer>();
            timers.push_back(timer.get());
            return timer;
        });
        QVERIFY(view.ready());
        QToolButton* button = view.field->upButton();
        FiredTimer& up = *timers.at(0);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(up.interval, 400);
        QCOMPARE(view.field->text(), QStringLiteral("50"));
        up.fire();
        QCOMPARE(up.interval, 100);
        QCOMPARE(view.field->text(), QStringLiteral("51"));
        up.fire();
        up.fire();
        QCOMPARE(up.interval, 100);
        QCOMPARE(view.field->text(), QStringLiteral("53"));
        QTest::mouseMove(button, QPoint(-20, 5));
        up.fire();
        QCOMPARE(view.field->text(), QStringLiteral("53"));
        QTest::mouseMove(button);
        up.fire();
        QCOMPARE(view.field->text(), QStringLiteral("54"));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(view.field->text(), QStringLiteral("55"));
        QCOMPARE(up.interval, std::nullopt);
        QCOMPARE(timers.at(1)->interval, std::nullopt);
    }

    // A handler that pulls the field back into 1..50 from inside the change event, as the
    // windings count does: its own rewrite is a change too.
    void everyChangeIsAnnouncedEvenFromItsOwnHandler() {
        FieldWindow view(1, 50, QStringLiteral("1"));
        QVERIFY(view.ready());
        QStringList seen;
        connect(view.field, &SpinField::changed, view.field, [&] {
            seen.append(view.field->text());
            if (view.field->value() > 50)
                view.field->setValue(50);
        });
        view.field->editor()->selectAll();
        QTest::keyClicks(view.field->editor(), QStringLiteral("75"));
        view.field->setValue(10);
        view.field->setValue(10);
        QCOMPARE(seen, (QStringList{"7", "75", "50", "10"}));
    }

    void focusEnteredWhenTheFieldTakesTheFocus() {
        FieldWindow view(1, 1000, QStringLiteral("50"));
        QVERIFY(view.ready());
        view.leave();
        QSignalSpy entered(view.field, &SpinField::focusEntered);
        QTest::keyClick(view.elsewhere, Qt::Key_Backtab);
        QVERIFY(view.field->editor()->hasFocus());
        QCOMPARE(entered.size(), 1);
        view.leave();
        QTest::mouseClick(view.field->upButton(), Qt::LeftButton);
        QCOMPARE(entered.size(), 2);
        QCOMPARE(view.field->text(), QStringLiteral("51"));
    }
};

NAVIVOR_QTEST_MAIN(SpinFieldTest)
#include "spin_field_test.moc"
