// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's looks: the colours and font the settings file keeps, shown on the window's
// controls, read when the window is made and written when it closes; and the font and colour
// dialogs that change them, which start from the last confirmed choice.
#pragma once

#include "settings/settings_file.h"
#include "ui/desktop/desktop.h"

#include <QColor>

#include <initializer_list>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace navivor {

class SpinField;
class StringGrid;

class AppearanceState {
public:
    // The controls that show a colour of the settings file. The client area carries the window
    // colour, the font colour and the font.
    struct PaintedControls {
        QWidget* client;
        StringGrid* windingsGrid;
        StringGrid* primaryGrid;
        SpinField* countField;
        SpinField* frequencyField;
        SpinField* sectionField;
        SpinField* windowAreaField;
        QLineEdit* thicknessField;
    };

    AppearanceState(Desktop& desktop, PaintedControls controls);

    void load(const std::string& settingsPath);
    // Raises Failure when the file cannot be written.
    void save(const std::string& settingsPath, std::string_view language) const;

    // The dialogs open over parent; a cancelled dialog changes nothing.
    void chooseFont(QWidget* parent);
    void chooseBackgroundColour(QWidget* parent);
    // One colour for every input field and both grids.
    void chooseFieldColour(QWidget* parent);

private:
    // Sets the colour of the values named, then shows every colour.
    void setColours(ColourValue colour, std::initializer_list<ColourValue*> targets);
    void showColours();
    void setWindowFont(const QString& family, int points);

    Desktop& desktop_;
    PaintedControls controls_;
    // As the settings file names them, so that a role of the desktop's scheme is saved as
    // that role.
    Appearance looks_;
    FontChoice fontDialog_;
    QColor colourDialog_;
};

} // namespace navivor
