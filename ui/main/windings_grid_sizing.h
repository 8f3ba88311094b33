// SPDX-License-Identifier: GPL-3.0-or-later
// How the windings grid and the area below the main window's menu bar follow the number of
// secondaries and the column of chosen diameters.
#pragma once

#include <QList>

#include <functional>

class QString;
class QWidget;

namespace navivor {

class SpinField;
class StringGrid;

class WindingsGridSizing {
public:
    // The windings grid's column of chosen diameters, added by the first sufficient press.
    static constexpr int kDiameterColumn = 3;
    // The width of the area below the menu bar with three columns and no scroll bar.
    static constexpr int kNarrowClientWidth = 447;

    // resizeClient sets the width of the area below the menu bar; movedAside are the controls
    // that move right by half a column when the grid grows its diameter column.
    WindingsGridSizing(StringGrid* grid, SpinField* countField, QList<QWidget*> movedAside,
                       std::function<int()> clientWidth, std::function<void(int)> resizeClient);

    // The count of secondaries changed or was entered: the grid grows downward until twelve
    // rows show, then scrolls and widens for its scroll bar.
    void countChanged();
    bool hasDiameterColumn() const;
    void addDiameterColumn(const QString& heading);

private:
    StringGrid* grid_;
    SpinField* countField_;
    QList<QWidget*> movedAside_;
    std::function<int()> clientWidth_;
    std::function<void(int)> resizeClient_;
};

} // namespace navivor
