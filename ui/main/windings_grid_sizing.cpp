// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/windings_grid_sizing.h"

#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

#include <algorithm>

namespace navivor {
namespace {

constexpr int kMostVisibleRows = 12;

constexpr int gridHeight(int rows) {
    return rows * StringGrid::kRowPitch + 5;
}

} // namespace

WindingsGridSizing::WindingsGridSizing(StringGrid* grid, SpinField* countField,
                                       QList<QWidget*> movedAside, std::function<int()> clientWidth,
                                       std::function<void(int)> resizeClient)
    : grid_(grid)
    , countField_(countField)
    , movedAside_(std::move(movedAside))
    , clientWidth_(std::move(clientWidth))
    , resizeClient_(std::move(resizeClient)) {}

void WindingsGridSizing::countChanged() {
    // Each step reads the count afresh: clamping rewrites the field, which runs this
    // procedure once more, nested, before the outer run goes on.
    if (countField_->value() > countField_->maximum())
        countField_->setValue(countField_->maximum());
    if (countField_->value() < countField_->minimum())
        countField_->setValue(countField_->minimum());
    grid_->setRowCount(countField_->value() + 1);

    const bool scrolls = countField_->value() > 11;
    const int extraColumn = hasDiameterColumn() ? StringGrid::kColumnPitch : 0;
    grid_->resize((scrolls ? 204 : 187) + extraColumn, grid_->height());
    resizeClient_((scrolls ? 465 : kNarrowClientWidth) + extraColumn);

    // Twelve rows at the most; beyond them the grid scrolls. (Also when the count jumps past
    // twelve, as typing 15 does, rather than keeping the height of the count before.)
    grid_->resize(grid_->width(), gridHeight(std::min(grid_->rowCount(), kMostVisibleRows)));
    for (int row = 1; row <= countField_->value(); ++row)
        grid_->setCell(0, row, QString::number(row));
}

bool WindingsGridSizing::hasDiameterColumn() const {
    return grid_->columnCount() > kDiameterColumn;
}

void WindingsGridSizing::addDiameterColumn(const QString& heading) {
    constexpr int width = StringGrid::kDefaultColumnWidth;
    resizeClient_(clientWidth_() + width);
    grid_->resize(grid_->width() + width + StringGrid::kGridLineWidth, grid_->height());
    grid_->setColumnCount(kDiameterColumn + 1);
    grid_->setCell(kDiameterColumn, 0, heading);
    // Half a column, rounded half to even.
    for (QWidget* moved : movedAside_)
        moved->move(moved->x() + width / 2, moved->y());
}

} // namespace navivor
