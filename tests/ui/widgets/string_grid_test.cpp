// SPDX-License-Identifier: GPL-3.0-or-later
// The string grid driven with real key and mouse events.
#include "tests/support/separator_scope.h"
#include "tests/ui/support/ui_test.h"
#include "ui/widgets/character_filter.h"
#include "ui/widgets/string_grid.h"

#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

using navivor::StringGrid;

namespace {

// The filter of the program's number grids.
void numbersOnly(QChar& key) {
    if (!(key.isDigit() || key == QChar(8) || navivor::isDecimalSeparatorKey(key)))
        key = QChar();
}

// A shown, active window holding the grid, with an edit before and after it in the tab order.
struct GridWindow {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    StringGrid* grid;
    QLineEdit* after;

    GridWindow(int columns, int rows, int fixed, QSize size) {
        grid = new StringGrid(columns, rows, fixed, fixed, &window);
        after = new QLineEdit(&window);
        grid->setGeometry(QRect(QPoint(10, 40), size));
        after->move(10, 300);
        window.resize(400, 340);
        window.show();
        window.activateWindow();
        grid->setFocus();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

// A step of a gesture: a mouse action over the middle of a cell, or where key is set, a key
// pressed in the focused editor.
struct Step {
    QTest::MouseAction action;
    QPoint cell;
    Qt::KeyboardModifiers modifiers;
    int key = 0;
};
using Gesture = QList<Step>;

Step mouse(QTest::MouseAction action, QPoint cell, Qt::KeyboardModifiers modifiers = {}) {
    return {action, cell, modifiers};
}

Step key(int key, Qt::KeyboardModifiers modifiers = {}) {
    return {QTest::MouseClick, {}, modifiers, key};
}

QPoint middleOf(QPoint cell) {
    return {cell.x() * StringGrid::kColumnPitch + StringGrid::kColumnPitch / 2,
            cell.y() * StringGrid::kRowPitch + StringGrid::kRowPitch / 2};
}

// Mouse events go through the window, so the widget under the press takes the drag as it
// would for a user.
void perform(GridWindow& view, const Gesture& gesture) {
    for (const Step& step : gesture) {
        if (step.key != 0) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(step.key), step.modifiers);
            continue;
        }
        const QPoint at = view.grid->viewport()->mapTo(&view.window, middleOf(step.cell));
        QTest::mouseEvent(step.action, view.window.windowHandle(), Qt::LeftButton, step.modifiers,
                          at);
    }
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class StringGridTest : public navivor::test::UiTest {
    Q_OBJECT

private slots:
    void typingPassesTheKeyFilter_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("edits");
        QTest::newRow("letters and signs dropped") << "."
                                                   << "12a-3"
                                                   << "123" << 3;
        QTest::newRow("blank dropped") << "."
                                       << "1 2"
                                       << "12" << 2;
        QTest::newRow("backspace kept") << "."
                                        << "12\b3"
                                        << "13" << 4;
        QTest::newRow("comma separator kept") << ","
                                              << "0,5"
                                              << "0,5" << 3;
        QTest::newRow("point dropped for comma") << ","
                                                 << "0.5"
                                                 << "05" << 2;
        QTest::newRow("comma dropped for point") << "."
                                                 << "0,5"
                                                 << "05" << 2;
    }

    void typingPassesTheKeyFilter() {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, edits);
        const navivor::testing::SeparatorScope scope(separator.toStdString());
        GridWindow view(3, 2, 1, {187, 42});
        QVERIFY(view.ready());
        view.grid->setKeyFilter(numbersOnly);
        QSignalSpy edited(view.grid, &StringGrid::cellEdited);
        // Only the user edits; the program's texts do not count.
        view.grid->setCell(1, 1, QStringLiteral("7"));
        view.grid->setCell(1, 1, QString());

        QTest::keyClicks(view.grid->editor(), typed);
        QCOMPARE(view.grid->cell(1, 1), text);
        QCOMPARE(edited.size(), edits);
        QCOMPARE(edited.constLast(), (QList<QVariant>{1, 1}));
    }

    void replacedCharacterIsTypedInstead() {
        GridWindow view(3, 2, 1, {187, 42});
        QVERIFY(view.ready());
        view.grid->setKeyFilter([](QChar& key) {
            if (key == u'.')
                key = u',';
            else if (key == u'x')
                key = QChar(8);
        });
        QSignalSpy edited(view.grid, &StringGrid::cellEdited);
        QTest::keyClicks(view.grid->editor(), QStringLiteral("0.57x"));
        QCOMPARE(view.grid->cell(1, 1), QStringLiteral("0,5"));
        QCOMPARE(edited.size(), 5);
    }

    // The filter sees the control characters of keys that type them, and nothing of keys that
    // type nothing; discarding them leaves the cell alone.
    void filterSeesControlCharacters_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("seen");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 27;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << 8;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << 3;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << 22;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << 24;
        QTest::newRow("Alt+A") << int(Qt::Key_A) << int(Qt::AltModifier) << int('a');
        QTest::newRow("Alt+minus") << int(Qt::Key_Minus) << int(Qt::AltModifier) << int('-');
        QTest::newRow("Super+Z") << int(Qt::Key_Z) << int(Qt::MetaModifier) << int('z');
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << -1;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << -1;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << -1;
    }

    void filterSeesControlCharacters() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, seen);
        GridWindow view(3, 2, 1, {187, 42});
        QVERIFY(view.ready());
        QList<int> filtered;
        view.grid->setKeyFilter([&](QChar& typed) {
            filtered.append(typed.unicode());
            typed = QChar();
        });
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        view.grid->setCell(1, 1, QStringLiteral("5"));

        QTest::keyClick(view.grid->editor(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(filtered, seen < 0 ? QList<int>{} : QList<int>{seen});
        if (seen >= 0)
            QCOMPARE(view.grid->cell(1, 1), QStringLiteral("5"));
    }

    void loweredRowsAndColumnsKeepTheirTexts() {
        GridWindow view(3, 6, 1, {187, 233});
        QVERIFY(view.ready());
        view.grid->setCurrentCell(1, 4);
        QTest::keyClicks(view.grid->editor(), QStringLiteral("12"));
        view.grid->setCurrentCell(2, 5);
        QTest::keyClicks(view.grid->editor(), QStringLiteral("34"));

        view.grid->setRowCount(4);
        QCOMPARE(view.grid->currentRow(), 3);
        view.grid->setColumnCount(2);
        QCOMPARE(view.grid->currentColumn(), 1);
        view.grid->setRowCount(6);
        view.grid->setColumnCount(3);
        QCOMPARE(view.grid->cell(1, 4), QStringLiteral("12"));
        QCOMPARE(view.grid->cell(2, 5), QStringLiteral("34"));
        view.grid->setCurrentCell(2, 5);
        QCOMPARE(view.grid->editor()->text(), QStringLiteral("34"));
    }

    // Sizes as the main window sets them: the bar comes with the thirteenth row, and every
    // column still shows whole beside it.
    void scrollBarOnlyWhenRowsDoNotFit_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("fixed");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("bar");
        QTest::newRow("design size") << 3 << 2 << 1 << QSize(187, 42) << false;
        QTest::newRow("eleven windings") << 3 << 12 << 1 << QSize(187, 233) << false;
        QTest::newRow("twelve windings") << 3 << 13 << 1 << QSize(204, 233) << true;
        QTest::newRow("fifty windings") << 3 << 51 << 1 << QSize(204, 233) << true;
        QTest::newRow("diameters, twelve") << 4 << 13 << 1 << QSize(265, 233) << true;
        QTest::newRow("primary grid") << 2 << 1 << 0 << QSize(126, 22) << false;
    }

    void scrollBarOnlyWhenRowsDoNotFit() {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, fixed);
        QFETCH(QSize, size);
        QFETCH(bool, bar);
        GridWindow view(columns, rows, fixed, size);
        QVERIFY(view.ready());
        QCOMPARE(view.grid->verticalScrollBar()->isVisible(), bar);
        QVERIFY(!view.grid->horizontalScrollBar()->isVisible());
        QCOMPARE(view.grid->viewport()->width(), columns * StringGrid::kColumnPitch);
    }

    void tabMovesFocusOutOfTheGrid() {
        GridWindow view(3, 3, 1, {187, 61});
        QVERIFY(view.ready());
        QVERIFY(view.grid->editor()->hasFocus());
        QTest::keyClick(view.grid->editor(), Qt::Key_Tab);
        QVERIFY(view.after->hasFocus());
        QCOMPARE(view.grid->currentColumn(), 1);
        QTest::keyClick(view.after, Qt::Key_Backtab);
        QVERIFY(view.grid->editor()->hasFocus());
        QTest::keyClick(view.grid->editor(), Qt::Key_Backtab);
        QVERIFY(view.before->hasFocus());
    }

    // From cell (column, row), with the cell's text and the caret where given (-1: the whole
    // text selected, as on arriving in the cell).
    void arrowsMoveAmongEditableCells_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("down") << QPoint(1, 1) << "" << -1 << int(Qt::Key_Down) << QPoint(1, 2);
        QTest::newRow("not up into headings")
            << QPoint(1, 1) << "" << -1 << int(Qt::Key_Up) << QPoint(1, 1);
        QTest::newRow("not below the last row")
            << QPoint(2, 3) << "" << -1 << int(Qt::Key_Down) << QPoint(2, 3);
        QTest::newRow("not left into numbers")
            << QPoint(1, 2) << "" << -1 << int(Qt::Key_Left) << QPoint(1, 2);
        QTest::newRow("right over selected text")
            << QPoint(1, 2) << "12" << -1 << int(Qt::Key_Right) << QPoint(2, 2);
        QTest::newRow("right from inside the text")
            << QPoint(1, 2) << "12" << 1 << int(Qt::Key_Right) << QPoint(1, 2);
        QTest::newRow("right at the text's end")
            << QPoint(1, 2) << "12" << 2 << int(Qt::Key_Right) << QPoint(2, 2);
        QTest::newRow("left at the text's start")
            << QPoint(2, 2) << "12" << 0 << int(Qt::Key_Left) << QPoint(1, 2);
    }

    void arrowsMoveAmongEditableCells() {
        QFETCH(QPoint, from);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(QPoint, to);
        GridWindow view(3, 4, 1, {187, 80});
        QVERIFY(view.ready());
        view.grid->setCell(from.x(), from.y(), text);
        view.grid->setCurrentCell(from.x(), from.y());
        if (caret >= 0)
            view.grid->editor()->setCursorPosition(caret);

        QTest::keyClick(view.grid->editor(), Qt::Key(key));
        QCOMPARE(QPoint(view.grid->currentColumn(), view.grid->currentRow()), to);
        QCOMPARE(view.grid->cell(from.x(), from.y()), text);
    }

    // A click at a point of the view, the grid scrolled down by the given rows.
    void clickChoosesEditableCells_data() {
        QTest::addColumn<int>("scrolled");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("current");
        QTest::newRow("data cell")
            << 0 << QPoint(2 * StringGrid::kColumnPitch + 5, 2 * StringGrid::kRowPitch + 5)
            << QPoint(2, 2);
        QTest::newRow("heading refused")
            << 0 << QPoint(StringGrid::kColumnPitch + 5, 5) << QPoint(1, 1);
        QTest::newRow("number refused")
            << 0 << QPoint(5, 3 * StringGrid::kRowPitch + 5) << QPoint(1, 1);
        QTest::newRow("scrolled rows")
            << 5 << QPoint(StringGrid::kColumnPitch + 5, StringGrid::kRowPitch + 5) << QPoint(1, 6);
    }

    void clickChoosesEditableCells() {
        QFETCH(int, scrolled);
        QFETCH(QPoint, at);
        QFETCH(QPoint, current);
        GridWindow view(3, 30, 1, {204, 233});
        QVERIFY(view.ready());
        view.grid->verticalScrollBar()->setValue(scrolled);
        QTest::mouseClick(view.grid->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(QPoint(view.grid->currentColumn(), view.grid->currentRow()), current);
        QVERIFY(view.grid->editor()->hasFocus());
    }

    // From cell (column, row) of a grid of four data rows, with the cell's text and the caret
    // where given (-1: the whole text selected, as on arriving in the cell).
    void rangeOfCellsSelected_data() {
        using QTest::MouseClick, QTest::MouseMove, QTest::MousePress, QTest::MouseRelease;
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QRect>("selection");
        QTest::addColumn<QPoint>("current");
        QTest::newRow("drag out of the current cell")
            << QPoint(1, 1) << "12" << -1
            << Gesture{mouse(MousePress, {1, 1}), mouse(MouseMove, {2, 3}),
                       mouse(MouseRelease, {2, 3})}
            << QRect(1, 1, 2, 3) << QPoint(1, 1);
        QTest::newRow("drag up from another cell")
            << QPoint(1, 1) << "" << -1
            << Gesture{mouse(MousePress, {2, 4}), mouse(MouseMove, {1, 2}),
                       mouse(MouseRelease, {1, 2})}
            << QRect(1, 2, 2, 3) << QPoint(2, 4);
        QTest::newRow("drag onto fixed cells")
            << QPoint(1, 1) << "" << -1
            << Gesture{mouse(MousePress, {2, 2}), mouse(MouseMove, {0, 0}),
                       mouse(MouseRelease, {0, 0})}
            << QRect(1, 1, 2, 2) << QPoint(2, 2);
        QTest::newRow("Shift+click")
            << QPoint(2, 3) << "" << -1 << Gesture{mouse(MouseClick, {1, 1}, Qt::ShiftModifier)}
            << QRect(1, 1, 2, 3) << QPoint(2, 3);
        QTest::newRow("Shift+arrows over selected text")
            << QPoint(1, 1) << "12" << -1
            << Gesture{key(Qt::Key_Down, Qt::ShiftModifier), key(Qt::Key_Down, Qt::ShiftModifier),
                       key(Qt::Key_Right, Qt::ShiftModifier)}
            << QRect(1, 1, 2, 3) << QPoint(1, 1);
        QTest::newRow("Shift+Left at the text's start")
            << QPoint(2, 2) << "12" << 0 << Gesture{key(Qt::Key_Left, Qt::ShiftModifier)}
            << QRect(1, 2, 2, 1) << QPoint(2, 2);
        QTest::newRow("Shift+Right selects text inside it")
            << QPoint(1, 2) << "12" << 1 << Gesture{key(Qt::Key_Right, Qt::ShiftModifier)}
            << QRect(1, 2, 1, 1) << QPoint(1, 2);
        QTest::newRow("Shift+Up not into headings")
            << QPoint(1, 1) << "" << -1 << Gesture{key(Qt::Key_Up, Qt::ShiftModifier)}
            << QRect(1, 1, 1, 1) << QPoint(1, 1);
        QTest::newRow("plain arrow collapses")
            << QPoint(1, 1) << "" << -1
            << Gesture{key(Qt::Key_Down, Qt::ShiftModifier), key(Qt::Key_Right, Qt::ShiftModifier),
                       key(Qt::Key_Down)}
            << QRect(1, 2, 1, 1) << QPoint(1, 2);
        QTest::newRow("typing collapses")
            << QPoint(1, 1) << "" << -1
            << Gesture{key(Qt::Key_Down, Qt::ShiftModifier), key(Qt::Key_5)} << QRect(1, 1, 1, 1)
            << QPoint(1, 1);
        QTest::newRow("plain click collapses")
            << QPoint(1, 1) << "" << -1
            << Gesture{mouse(MouseClick, {2, 4}, Qt::ShiftModifier), mouse(MouseClick, {2, 2})}
            << QRect(2, 2, 1, 1) << QPoint(2, 2);
    }

    void rangeOfCellsSelected() {
        QFETCH(QPoint, from);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(Gesture, gesture);
        QFETCH(QRect, selection);
        QFETCH(QPoint, current);
        GridWindow view(3, 5, 1, {187, 99});
        QVERIFY(view.ready());
        view.grid->setCell(from.x(), from.y(), text);
        view.grid->setCurrentCell(from.x(), from.y());
        if (caret >= 0)
            view.grid->editor()->setCursorPosition(caret);

        perform(view, gesture);
        QCOMPARE(view.grid->selection(), selection);
        QCOMPARE(QPoint(view.grid->currentColumn(), view.grid->currentRow()), current);
        QVERIFY(view.grid->editor()->hasFocus());
        // Every selected cell is drawn highlighted but the current one, which shows the editor.
        const QImage shown = view.grid->viewport()->grab().toImage();
        const QColor highlight = view.grid->palette().color(QPalette::Highlight);
        QList<QPoint> highlighted;
        QList<QPoint> expected;
        for (int row = 0; row < view.grid->rowCount(); ++row) {
            for (int column = 0; column < view.grid->columnCount(); ++column) {
                const QPoint cell(column, row);
                if (shown.pixelColor(middleOf(cell)) == highlight)
                    highlighted.append(cell);
                if (selection.contains(cell) && cell != current)
                    expected.append(cell);
            }
        }
        QCOMPARE(highlighted, expected);
    }

    void editorFollowsTheCurrentCellIntoView() {
        GridWindow view(3, 30, 1, {204, 233});
        QVERIFY(view.ready());
        view.grid->setCurrentCell(2, 25);
        const QRect editor = view.grid->editor()->geometry();
        QCOMPARE(editor.left(), 2 * StringGrid::kColumnPitch);
        QVERIFY(editor.top() >= StringGrid::kRowPitch);
        QVERIFY(editor.bottom() < view.grid->viewport()->height());
        for (int row = 25; row > 1; --row)
            QTest::keyClick(view.grid->editor(), Qt::Key_Up);
        QCOMPARE(view.grid->verticalScrollBar()->value(), 0);
        QCOMPARE(view.grid->editor()->geometry().top(), StringGrid::kRowPitch);
    }
};

NAVIVOR_QTEST_MAIN(StringGridTest)
#include "string_grid_test.moc"
