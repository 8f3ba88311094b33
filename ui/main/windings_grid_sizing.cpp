// SPDX-License-Identifier: GPL-3.0-or-later
// How the windings grid and the main window follow the number of secondaries: the grid
// grows downward until twelve rows show, then scrolls and widens for its scroll bar.
#include "ui/main/main_window.h"
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

void MainWindow::secondaryCountChanged() {
    // Each step reads the count afresh: clamping rewrites the field, which runs this
    // procedure once more, nested, before the outer run goes on.
    if (secondaryCountField_->value() > secondaryCountField_->maximum())
        secondaryCountField_->setValue(secondaryCountField_->maximum());
    if (secondaryCountField_->value() < secondaryCountField_->minimum())
        secondaryCountField_->setValue(secondaryCountField_->minimum());
    windingsGrid_->setRowCount(secondaryCountField_->value() + 1);

    const bool scrolls = secondaryCountField_->value() > 11;
    const int extraColumn = hasDiameterColumn() ? StringGrid::kColumnPitch : 0;
    windingsGrid_->resize((scrolls ? 204 : 187) + extraColumn, windingsGrid_->height());
    setClientWidth((scrolls ? 465 : kDesignClientWidth) + extraColumn);

    // Twelve rows at the most; beyond them the grid scrolls. (Also when the count jumps past
    // twelve, as typing 15 does, rather than keeping the height of the count before.)
    windingsGrid_->resize(windingsGrid_->width(),
                          gridHeight(std::min(windingsGrid_->rowCount(), kMostVisibleRows)));
    for (int row = 1; row <= secondaryCountField_->value(); ++row)
        windingsGrid_->setCell(0, row, QString::number(row));
}

} // namespace navivor
