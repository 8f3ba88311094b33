// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/string_grid.h"

#include "ui/widgets/character_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace navivor {
namespace {

// Matches the editor's own margin, so text does not jump when the editor moves on.
constexpr int kTextMargin = 2;

// As wide as the room the owners leave for it, whatever the style would make it.
class GridScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;
    QSize sizeHint() const override {
        return {StringGrid::kScrollBarWidth, QScrollBar::sizeHint().height()};
    }
};

} // namespace

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent)
    : QAbstractScrollArea(parent)
    , fixedColumns_(std::clamp(fixedColumns, 0, 1))
    , fixedRows_(std::clamp(fixedRows, 0, 1))
    , columns_(std::max(columns, fixedColumns_ + 1))
    , rows_(std::max(rows, fixedRows_ + 1))
    , currentColumn_(fixedColumns_)
    , currentRow_(fixedRows_)
    , selectionEnd_(currentColumn_, currentRow_)
    , cellColour_(Qt::white)
    , fixedColour_(palette().color(QPalette::Button))
    , editor_(new QLineEdit(viewport()))
    , keyFilter_(new CharacterFilter(editor_, {})) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setVerticalScrollBar(new GridScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    editor_->setFrame(false);
    // Dropped text would pass the key filter by.
    editor_->setAcceptDrops(false);
    editor_->installEventFilter(this);
    // The grid takes the focus through its editor, so Tab goes on to the next control.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(editor_);
    connect(editor_, &QLineEdit::textChanged, this, &StringGrid::storeEditorText);
    connect(editor_, &QLineEdit::textEdited, this, [this] {
        storeEditorText();
        collapseSelection();
        emit cellEdited(currentColumn_, currentRow_);
    });

    setCellColour(cellColour_);
    updateScrollRange();
    setCurrentCell(currentColumn_, currentRow_);
}

int StringGrid::columnCount() const {
    return columns_;
}

void StringGrid::setColumnCount(int columns) {
    columns_ = std::max(columns, fixedColumns_ + 1);
    setCurrentCell(currentColumn_, currentRow_);
    viewport()->update();
}

int StringGrid::rowCount() const {
    return rows_;
}

void StringGrid::setRowCount(int rows) {
    rows_ = std::max(rows, fixedRows_ + 1);
    updateScrollRange();
    setCurrentCell(currentColumn_, currentRow_);
    viewport()->update();
}

QString StringGrid::cell(int column, int row) const {
    const auto found = texts_.find({column, row});
    return found == texts_.end() ? QString() : found->second;
}

void StringGrid::setCell(int column, int row, const QString& text) {
    if (column < 0 || row < 0)
        return;
    texts_[{column, row}] = text;
    if (column == currentColumn_ && row == currentRow_)
        editor_->setText(text);
    viewport()->update();
}

int StringGrid::currentColumn() const {
    return currentColumn_;
}

int StringGrid::currentRow() const {
    return currentRow_;
}

void StringGrid::setCurrentCell(int column, int row) {
    const int newColumn = std::clamp(column, fixedColumns_, columns_ - 1);
    const int newRow = std::clamp(row, fixedRows_, rows_ - 1);
    const bool moved = newColumn != currentColumn_ || newRow != currentRow_;
    currentColumn_ = newColumn;
    currentRow_ = newRow;
    if (moved || editor_->text() != cell(currentColumn_, currentRow_)) {
        editor_->setText(cell(currentColumn_, currentRow_));
        editor_->selectAll();
    }
    scrollToRow(currentRow_);
    placeEditor();
    collapseSelection();
}

QRect StringGrid::selection() const {
    return QRect(currentColumn_, currentRow_, 1, 1).united(QRect(selectionEnd_, QSize(1, 1)));
}

QColor StringGrid::cellColour() const {
    return cellColour_;
}

void StringGrid::setCellColour(const QColor& colour) {
    cellColour_ = colour;
    QPalette editorPalette = editor_->palette();
    editorPalette.setColor(QPalette::Base, colour);
    editor_->setPalette(editorPalette);
    viewport()->update();
}

QColor StringGrid::fixedColour() const {
    return fixedColour_;
}

void StringGrid::setFixedColour(const QColor& colour) {
    fixedColour_ = colour;
    viewport()->update();
}

void StringGrid::setKeyFilter(KeyFilter filter) {
    keyFilter_->setHook(std::move(filter));
}

QLineEdit* StringGrid::editor() const {
    return editor_;
}

QSize StringGrid::sizeHint() const {
    return {columns_ * kColumnPitch + 2 * kFrameWidth, rows_ * kRowPitch + 2 * kFrameWidth};
}

bool StringGrid::viewportEvent(QEvent* event) {
    // Handled here rather than in the mouse event handlers, which also get events on the frame
    // in other coordinates.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressCellAt(*static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove: {
        const auto& move = *static_cast<QMouseEvent*>(event);
        dragTo(move, move.position().toPoint());
        break;
    }
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void StringGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), cellColour_);
    const QRect selected = selection();
    const QColor lineColour = palette().color(QPalette::Mid);
    for (int row = 0; row < rows_; ++row) {
        if (!isRowInView(row))
            continue;
        for (int column = 0; column < columns_; ++column) {
            const QRect box = cellRect(column, row);
            // The lines right of and below each cell.
            painter.fillRect(box.adjusted(0, 0, kGridLineWidth, kGridLineWidth), lineColour);
            const bool fixed = column < fixedColumns_ || row < fixedRows_;
            // The current cell shows the editor instead.
            const bool highlighted =
                selected.contains(column, row) && (column != currentColumn_ || row != currentRow_);
            painter.fillRect(box, fixed         ? fixedColour_
                                  : highlighted ? palette().color(QPalette::Highlight)
                                                : cellColour_);
            painter.setPen(
                palette().color(highlighted ? QPalette::HighlightedText : QPalette::Text));
            painter.drawText(box.adjusted(kTextMargin, 0, -kTextMargin, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             cell(column, row));
        }
    }
}

void StringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    placeEditor();
}

void StringGrid::scrollContentsBy(int, int) {
    // Whole rows scroll under the heading row, so everything is painted afresh.
    viewport()->update();
    placeEditor();
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_)
        return QAbstractScrollArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return arrowPressed(*static_cast<QKeyEvent*>(event));
    // The editor keeps its own clicks and text selection; only a drag out of its cell selects
    // other cells.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        collapseSelection();
        dragging_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return false;
    case QEvent::MouseMove: {
        const auto& move = *static_cast<QMouseEvent*>(event);
        dragTo(move, editor_->mapToParent(move.position().toPoint()));
        return false;
    }
    default:
        return QAbstractScrollArea::eventFilter(watched, event);
    }
}

int StringGrid::firstScrolledRow() const {
    return fixedRows_ + verticalScrollBar()->value();
}

int StringGrid::rowsInView() const {
    // Rows below the heading that show whole; the line under the last one may be cut off.
    const int room = contentsRect().height() - fixedRows_ * kRowPitch + kGridLineWidth;
    return std::max(0, room / kRowPitch);
}

bool StringGrid::isRowInView(int row) const {
    if (row < fixedRows_)
        return true;
    return row >= firstScrolledRow() && cellRect(0, row).top() < contentsRect().height();
}

QRect StringGrid::cellRect(int column, int row) const {
    const int line = row < fixedRows_ ? row : row - verticalScrollBar()->value();
    return {column * kColumnPitch, line * kRowPitch, kDefaultColumnWidth, kDefaultRowHeight};
}

// The caret tests of the editor: arrows leave the text only at its edges, or when the whole
// text is selected, as on arriving in a cell.
bool StringGrid::caretAtStart() const {
    const qsizetype length = editor_->text().size();
    const int selected = editor_->selectionLength();
    const int start = selected > 0 ? editor_->selectionStart() : editor_->cursorPosition();
    return start == 0 && (selected == 0 || selected == length);
}

bool StringGrid::caretAtEnd() const {
    const qsizetype length = editor_->text().size();
    const int selected = editor_->selectionLength();
    const int start = selected > 0 ? editor_->selectionStart() : editor_->cursorPosition();
    return start + selected == length && (selected == 0 || start == 0);
}

// Shift+arrows extend the selection where the plain arrows would leave the cell, so Shift+Left
// and Shift+Right inside the text still select text.
bool StringGrid::arrowPressed(const QKeyEvent& press) {
    const Qt::KeyboardModifiers chord = press.modifiers() & ~Qt::KeypadModifier;
    const bool extend = chord == Qt::ShiftModifier;
    if (chord != Qt::NoModifier && !extend)
        return false;
    switch (press.key()) {
    case Qt::Key_Up:
        moveCurrentCell(0, -1, extend);
        return true;
    case Qt::Key_Down:
        moveCurrentCell(0, 1, extend);
        return true;
    case Qt::Key_Left:
        if (!caretAtStart())
            return false;
        moveCurrentCell(-1, 0, extend);
        return true;
    case Qt::Key_Right:
        if (!caretAtEnd())
            return false;
        moveCurrentCell(1, 0, extend);
        return true;
    default:
        return false;
    }
}

// Steps past the edge of the editable cells go nowhere.
void StringGrid::moveCurrentCell(int columnStep, int rowStep, bool extend) {
    if (extend)
        extendSelectionTo(selectionEnd_ + QPoint(columnStep, rowStep));
    else
        setCurrentCell(currentColumn_ + columnStep, currentRow_ + rowStep);
}

void StringGrid::pressCellAt(const QMouseEvent& press) {
    const QPoint position = press.position().toPoint();
    const int column = position.x() / kColumnPitch;
    const int line = position.y() / kRowPitch;
    const int row = line < fixedRows_ ? line : line + verticalScrollBar()->value();
    const bool editable =
        column >= fixedColumns_ && column < columns_ && row >= fixedRows_ && row < rows_;
    if (editable && press.modifiers().testFlag(Qt::ShiftModifier))
        extendSelectionTo({column, row});
    else if (editable)
        setCurrentCell(column, row);
    dragging_ = editable && press.button() == Qt::LeftButton;
    editor_->setFocus(Qt::MouseFocusReason);
}

// While dragging, the heading row stands for the row scrolled away above it, so dragging up
// scrolls back a row at a time as dragging below the view scrolls on.
void StringGrid::dragTo(const QMouseEvent& move, QPoint position) {
    if (!dragging_ || !move.buttons().testFlag(Qt::LeftButton))
        return;
    extendSelectionTo(
        {position.x() / kColumnPitch, position.y() / kRowPitch + verticalScrollBar()->value()});
}

void StringGrid::extendSelectionTo(QPoint cell) {
    const QPoint end(std::clamp(cell.x(), fixedColumns_, columns_ - 1),
                     std::clamp(cell.y(), fixedRows_, rows_ - 1));
    if (end == selectionEnd_)
        return;
    selectionEnd_ = end;
    scrollToRow(end.y());
    viewport()->update();
}

void StringGrid::collapseSelection() {
    extendSelectionTo({currentColumn_, currentRow_});
}

void StringGrid::updateScrollRange() {
    const int inView = rowsInView();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(std::max(1, inView));
    bar->setRange(0, std::max(0, rows_ - fixedRows_ - inView));
}

void StringGrid::scrollToRow(int row) {
    const int index = row - fixedRows_;
    const int inView = std::max(1, rowsInView());
    QScrollBar* bar = verticalScrollBar();
    if (index < bar->value())
        bar->setValue(index);
    else if (index >= bar->value() + inView)
        bar->setValue(index - inView + 1);
}

void StringGrid::placeEditor() {
    if (isRowInView(currentRow_)) {
        editor_->setGeometry(cellRect(currentColumn_, currentRow_));
        return;
    }
    // Scrolled out of sight: parked outside the view, so that it keeps the focus.
    editor_->move(-2 * kColumnPitch, 0);
}

void StringGrid::storeEditorText() {
    texts_[{currentColumn_, currentRow_}] = editor_->text();
}

} // namespace navivor
