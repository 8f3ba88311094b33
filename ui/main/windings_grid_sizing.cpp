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
    if (SE1->value() > SE1->maximum())
        SE1->setValue(SE1->maximum());
    if (SE1->value() < SE1->minimum())
        SE1->setValue(SE1->minimum());
    SG1->setRowCount(SE1->value() + 1);

    const bool scrolls = SE1->value() > 11;
    const int extraColumn = hasDiameterColumn() ? StringGrid::kColumnPitch : 0;
    SG1->resize((scrolls ? 204 : 187) + extraColumn, SG1->height());
    setClientWidth((scrolls ? 465 : kDesignClientWidth) + extraColumn);

    // Twelve rows at the most; beyond them the grid scrolls. (Also when the count jumps past
    // twelve, as typing 15 does, rather than keeping the height of the count before.)
    SG1->resize(SG1->width(), gridHeight(std::min(SG1->rowCount(), kMostVisibleRows)));
    for (int row = 1; row <= SE1->value(); ++row)
        SG1->setCell(0, row, QString::number(row));
}

} // namespace navivor
