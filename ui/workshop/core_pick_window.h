// SPDX-License-Identifier: GPL-3.0-or-later
// The core pick window: the cores of the lamination series that hold the windings of the last
// calculation, smallest first, one of which it puts into the main window's core fields.
#pragma once

#include "calc/core_choice.h"
#include "calc/winding_design.h"
#include "ui/current_language.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace navivor {

class CorePickWindow : public QWidget {
    Q_OBJECT
public:
    // installedDataFolder holds the series the installation brings, read when the current
    // directory has no laminations.csv of its own.
    CorePickWindow(CurrentLanguage currentLanguage, std::string installedDataFolder);
    ~CorePickWindow() override;

    // Lists the cores that hold the design's windings, each stack grown one lamination of the
    // thickness (mm) at a time. A series that cannot be read raises its failure.
    void showFor(const WindingDesign& design, double laminationThickness);

signals:
    // The section and window area of the core chosen, in whole mm2.
    void coreChosen(int section, int windowArea);

private:
    void useCore(); // "Взять сердечник", or a double click on a core

    void listChoices();

    CurrentLanguage currentLanguage_;
    std::string installedDataFolder_;
    QLabel* summary_;
    QTableWidget* coreList_;
    QPushButton* useButton_;
    std::vector<CoreChoice> choices_;
};

} // namespace navivor
