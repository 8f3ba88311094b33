// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's looks: the colours and font the settings file keeps, read when the window
// is made and written when it closes, and the commands that change them, the tool bar's style
// and the window's stacking.
#include "settings/settings_file.h"
#include "ui/desktop/desktop.h"
#include "ui/main/main_window.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/window_builders.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace navivor {
namespace {

// The roles of the desktop's colour scheme, by the index a system colour value carries.
constexpr std::array<std::pair<int, QPalette::ColorRole>, 30> kSchemeRoles = {{
    {0, QPalette::Button},
    {1, QPalette::Dark},
    {2, QPalette::Highlight},
    {3, QPalette::Mid},
    {4, QPalette::Window},
    {5, QPalette::Base},
    {6, QPalette::Shadow},
    {7, QPalette::WindowText},
    {8, QPalette::Text},
    {9, QPalette::HighlightedText},
    {10, QPalette::Button},
    {11, QPalette::Button},
    {12, QPalette::Mid},
    {13, QPalette::Highlight},
    {14, QPalette::HighlightedText},
    {15, QPalette::Button},
    {16, QPalette::Dark},
    {17, QPalette::PlaceholderText},
    {18, QPalette::ButtonText},
    {19, QPalette::WindowText},
    {20, QPalette::Light},
    {21, QPalette::Shadow},
    {22, QPalette::Midlight},
    {23, QPalette::ToolTipText},
    {24, QPalette::ToolTipBase},
    {26, QPalette::Link},
    {27, QPalette::Highlight},
    {28, QPalette::Mid},
    {29, QPalette::Highlight},
    {30, QPalette::Window},
}};

// A plain colour as it is; a role as the desktop shows it now. A role the scheme does not have
// is black.
QColor shownColour(ColourValue colour) {
    if (!isSystemColour(colour))
        return QColor(redOf(colour), greenOf(colour), blueOf(colour));
    const int index = systemColourIndex(colour);
    const auto* found = std::find_if(kSchemeRoles.begin(), kSchemeRoles.end(),
                                     [index](const auto& entry) { return entry.first == index; });
    return found == kSchemeRoles.end() ? QColor(Qt::black)
                                       : QApplication::palette().color(found->second);
}

ColourValue valueOf(const QColor& colour) {
    return plainColour(colour.red(), colour.green(), colour.blue());
}

// Hand-edited sizes stay within what a font can be.
int fontPoints(std::int32_t size) {
    return std::clamp(size, 1, 1000);
}

} // namespace

void MainWindow::setControlColours(ColourValue colour,
                                   std::initializer_list<ColourValue*> targets) {
    for (ColourValue* target : targets)
        *target = colour;
    showColours();
}

void MainWindow::showColours() {
    windingsGrid_->setCellColour(shownColour(looks_.windingsGrid));
    primaryGrid_->setCellColour(shownColour(looks_.primaryGrid));
    secondaryCountField_->setColour(shownColour(looks_.countField));
    frequencyField_->setColour(shownColour(looks_.frequencyField));
    coreSectionField_->setColour(shownColour(looks_.sectionField));
    windowAreaField_->setColour(shownColour(looks_.windowAreaField));
    QPalette thickness = thicknessField_->palette();
    thickness.setColor(QPalette::Base, shownColour(looks_.thicknessField));
    thicknessField_->setPalette(thickness);
    windingsGrid_->setFixedColour(shownColour(looks_.window));

    QPalette window = client_->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        window.setColor(role, shownColour(looks_.fontColour));
    window.setColor(QPalette::Window, shownColour(looks_.window));
    client_->setPalette(window);
}

void MainWindow::setWindowFont(const QString& family, int points) {
    looks_.fontSize = points;
    looks_.fontName = family.toStdString();
    QFont changed = client_->font();
    changed.setFamily(family);
    // Sized in pixels as the window was laid out, so every caption keeps its box.
    changed.setPixelSize(pixelsForPoints(points));
    client_->setFont(changed);
}

void MainWindow::applySavedAppearance() {
    looks_ = readAppearance(kSettingsFilePath);
    showColours();
    setWindowFont(QString::fromStdString(looks_.fontName), fontPoints(looks_.fontSize));

    // The dialog starts from the face the window shows: a family this desktop lacks is not in
    // its list, and the dialog would start from another face.
    QFont dialogFont = client_->font();
    dialogFont.setFamily(QFontInfo(dialogFont).family());
    dialogFont.setPointSize(looks_.fontSize);
    fontDialog_ = FontChoice{dialogFont, shownColour(looks_.fontColour)};
    colourDialog_ = shownColour(looks_.windingsGrid);
}

void MainWindow::saveSettings() {
    writeSettings(kSettingsFilePath, looks_, currentLanguage_().toStdString());
}

void MainWindow::chooseFont() {
    const std::optional<FontChoice> chosen = desktop_.chooseFont(this, fontDialog_);
    if (!chosen)
        return;
    fontDialog_ = *chosen;
    const QFont& picked = chosen->font;
    const int points = picked.pointSize() > 0 ? picked.pointSize()
                                              : std::max(1, (picked.pixelSize() * 72 + 48) / 96);
    // The face the window shows keeps the name it was asked by ("arial" shown as its stand-in),
    // so that a confirmed dialog with nothing changed changes nothing.
    const bool sameFace = picked.family() == QFontInfo(client_->font()).family();
    setWindowFont(sameFace ? client_->font().family() : picked.family(), fontPoints(points));
    setControlColours(valueOf(chosen->colour), {&looks_.fontColour});
    QFont styled = client_->font();
    styled.setBold(picked.bold());
    styled.setItalic(picked.italic());
    styled.setUnderline(picked.underline());
    styled.setStrikeOut(picked.strikeOut());
    client_->setFont(styled);
}

void MainWindow::chooseBackgroundColour() {
    const std::optional<QColor> chosen = desktop_.chooseColour(this, colourDialog_);
    if (!chosen)
        return;
    colourDialog_ = *chosen;
    setControlColours(valueOf(*chosen), {&looks_.window});
}

void MainWindow::chooseFieldColour() {
    const std::optional<QColor> chosen = desktop_.chooseColour(this, colourDialog_);
    if (!chosen)
        return;
    colourDialog_ = *chosen;
    setControlColours(valueOf(*chosen),
                      {&looks_.windingsGrid, &looks_.primaryGrid, &looks_.countField,
                       &looks_.frequencyField, &looks_.sectionField, &looks_.windowAreaField,
                       &looks_.thicknessField});
}

void MainWindow::toggleFlatButtons() {
    const bool flat = !flatButtonsItem_->isChecked();
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>())
        button->setAutoRaise(flat);
    toolBar_->setStyleSheet(toolBarStyleSheet(flat ? 1 : 0));
    flatButtonsItem_->setChecked(flat);
}

void MainWindow::toggleStayOnTop() {
    const bool onTop = !stayOnTopItem_->isChecked();
    stayOnTopItem_->setChecked(onTop);
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        show(); // changing the flags hides the window
}

} // namespace navivor
