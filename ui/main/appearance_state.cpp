// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/appearance_state.h"

#include "ui/desktop/desktop.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/window_builders.h"

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>

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

AppearanceState::AppearanceState(Desktop& desktop, PaintedControls controls)
    : desktop_(desktop)
    , controls_(controls) {}

void AppearanceState::setColours(ColourValue colour, std::initializer_list<ColourValue*> targets) {
    for (ColourValue* target : targets)
        *target = colour;
    showColours();
}

void AppearanceState::showColours() {
    controls_.windingsGrid->setCellColour(shownColour(looks_.windingsGrid));
    controls_.primaryGrid->setCellColour(shownColour(looks_.primaryGrid));
    controls_.countField->setColour(shownColour(looks_.countField));
    controls_.frequencyField->setColour(shownColour(looks_.frequencyField));
    controls_.sectionField->setColour(shownColour(looks_.sectionField));
    controls_.windowAreaField->setColour(shownColour(looks_.windowAreaField));
    QPalette thickness = controls_.thicknessField->palette();
    thickness.setColor(QPalette::Base, shownColour(looks_.thicknessField));
    controls_.thicknessField->setPalette(thickness);
    controls_.windingsGrid->setFixedColour(shownColour(looks_.window));

    QPalette window = controls_.client->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        window.setColor(role, shownColour(looks_.fontColour));
    window.setColor(QPalette::Window, shownColour(looks_.window));
    controls_.client->setPalette(window);
}

void AppearanceState::setWindowFont(const QString& family, int points) {
    looks_.fontSize = points;
    looks_.fontName = family.toStdString();
    QFont changed = controls_.client->font();
    changed.setFamily(shownFamily(family));
    // Sized in pixels as the window was laid out, so every caption keeps its box.
    changed.setPixelSize(pixelsForPoints(points));
    controls_.client->setFont(changed);
}

void AppearanceState::load(const std::string& settingsPath) {
    looks_ = readAppearance(settingsPath);
    showColours();
    setWindowFont(QString::fromStdString(looks_.fontName), fontPoints(looks_.fontSize));

    // The dialog starts from the face the window shows (its family, not the one the settings
    // name): a family this desktop lacks is not in its list.
    QFont dialogFont = controls_.client->font();
    dialogFont.setPointSize(looks_.fontSize);
    fontDialog_ = FontChoice{dialogFont, shownColour(looks_.fontColour)};
    colourDialog_ = shownColour(looks_.windingsGrid);
}

void AppearanceState::save(const std::string& settingsPath, std::string_view language) const {
    writeSettings(settingsPath, looks_, language);
}

void AppearanceState::chooseFont(QWidget* parent) {
    const std::optional<FontChoice> chosen = desktop_.chooseFont(parent, fontDialog_);
    if (!chosen)
        return;
    fontDialog_ = *chosen;
    const QFont& picked = chosen->font;
    const int points = picked.pointSize() > 0 ? picked.pointSize()
                                              : std::max(1, (picked.pixelSize() * 72 + 48) / 96);
    // The face the window shows keeps the name it was asked by ("arial" shown as its stand-in),
    // so that a confirmed dialog with nothing changed changes nothing.
    const bool sameFace = picked.family() == QFontInfo(controls_.client->font()).family();
    setWindowFont(sameFace ? QString::fromStdString(looks_.fontName) : picked.family(),
                  fontPoints(points));
    setColours(valueOf(chosen->colour), {&looks_.fontColour});
    QFont styled = controls_.client->font();
    styled.setBold(picked.bold());
    styled.setItalic(picked.italic());
    styled.setUnderline(picked.underline());
    styled.setStrikeOut(picked.strikeOut());
    controls_.client->setFont(styled);
}

void AppearanceState::chooseBackgroundColour(QWidget* parent) {
    const std::optional<QColor> chosen = desktop_.chooseColour(parent, colourDialog_);
    if (!chosen)
        return;
    colourDialog_ = *chosen;
    setColours(valueOf(*chosen), {&looks_.window});
}

void AppearanceState::chooseFieldColour(QWidget* parent) {
    const std::optional<QColor> chosen = desktop_.chooseColour(parent, colourDialog_);
    if (!chosen)
        return;
    colourDialog_ = *chosen;
    setColours(valueOf(*chosen), {&looks_.windingsGrid, &looks_.primaryGrid, &looks_.countField,
                                  &looks_.frequencyField, &looks_.sectionField,
                                  &looks_.windowAreaField, &looks_.thicknessField});
}

} // namespace navivor
