// SPDX-License-Identifier: GPL-3.0-or-later
// A grid of text cells addressed as (column, row), with an optional fixed heading row and
// number column, an editor always open on the current cell, a selectable range of cells, and a
// hook that filters the characters typed into the editor.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <map>
#include <utility>

class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace navivor {

class CharacterFilter;

class StringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kDefaultColumnWidth = 60;
    static constexpr int kDefaultRowHeight = 18;
    static constexpr int kGridLineWidth = 1;
    // From one column or row to the next: the cell and the line after it.
    static constexpr int kColumnPitch = kDefaultColumnWidth + kGridLineWidth;
    static constexpr int kRowPitch = kDefaultRowHeight + kGridLineWidth;
    // The sunken frame on each side, and the room the vertical scroll bar takes from the width
    // when the rows do not fit. So c columns and r rows show whole in
    // c * 61 + 4 by r * 19 + 4 pixels, plus 17 in width for the scroll bar.
    static constexpr int kFrameWidth = 2;
    static constexpr int kScrollBarWidth = 17;

    // fixedColumns and fixedRows are 0 or 1: the heading row and the number column.
    StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent = nullptr);

    int columnCount() const;
    void setColumnCount(int columns);
    int rowCount() const;
    // Rows taken out of view keep their texts and show them again when brought back.
    void setRowCount(int rows);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    int currentColumn() const;
    int currentRow() const;
    void setCurrentCell(int column, int row);

    // The selected cells, columns by rows: the rectangle from the current cell to the cell the
    // selection was extended to, by dragging, Shift+click or Shift+arrows. Never holds a fixed
    // cell; just the current cell when nothing more is selected. Setting the current cell or the
    // size of the grid, a plain click or arrow, and typing leave only the current cell selected.
    QRect selection() const;

    // Colour of the editable cells and of the fixed cells.
    QColor cellColour() const;
    void setCellColour(const QColor& colour);
    QColor fixedColour() const;
    void setFixedColour(const QColor& colour);

    // Runs on every character typed into the grid before the grid sees it; setting the
    // character to QChar() discards it.
    using KeyFilter = std::function<void(QChar& key)>;
    void setKeyFilter(KeyFilter filter);

    // The editor on the current cell, for tests and focus handling.
    QLineEdit* editor() const;

    // Every cell shown whole, without a scroll bar.
    QSize sizeHint() const override;

signals:
    void cellEdited(int column, int row);

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int firstScrolledRow() const;
    int rowsInView() const;
    bool isRowInView(int row) const;
    QRect cellRect(int column, int row) const;
    bool caretAtStart() const;
    bool caretAtEnd() const;
    bool arrowPressed(const QKeyEvent& press);
    void moveCurrentCell(int columnStep, int rowStep, bool extend);
    void pressCellAt(const QMouseEvent& press);
    void dragTo(const QMouseEvent& move, QPoint position);
    void extendSelectionTo(QPoint cell);
    void collapseSelection();
    void updateScrollRange();
    void scrollToRow(int row);
    void placeEditor();
    void storeEditorText();

    const int fixedColumns_;
    const int fixedRows_;
    int columns_;
    int rows_;
    int currentColumn_;
    int currentRow_;
    // The corner of the selection across from the current cell.
    QPoint selectionEnd_;
    // A left press on an editable cell, whose drag extends the selection.
    bool dragging_ = false;
    // Texts of every cell ever set, also of rows and columns out of view.
    std::map<std::pair<int, int>, QString> texts_;
    QColor cellColour_;
    QColor fixedColour_;
    QLineEdit* editor_;
    CharacterFilter* keyFilter_;
};

} // namespace navivor
