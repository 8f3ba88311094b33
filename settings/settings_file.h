// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: which keys it holds, the defaults a missing key gives, and the colour
// encoding of its values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace navivor {

// A colour as the settings file holds it: a plain colour 0x00BBGGRR, or 0x80000000 plus the
// index of a role of the desktop's colour scheme.
using ColourValue = std::int32_t;
inline constexpr ColourValue kWhite = 0x00FFFFFF;
inline constexpr ColourValue kNavy = 0x00800000;
inline constexpr ColourValue kWindowBackground = static_cast<ColourValue>(0x80000005u);
inline constexpr ColourValue kButtonFace = static_cast<ColourValue>(0x8000000Fu);

// The top bit set.
bool isSystemColour(ColourValue colour);
// The role index of a system colour: its low byte, as the desktop has fewer than 256 roles.
int systemColourIndex(ColourValue colour);
// Each part is taken modulo 256.
ColourValue plainColour(int red, int green, int blue);
int redOf(ColourValue colour);
int greenOf(ColourValue colour);
int blueOf(ColourValue colour);

// The settings file, named relative to the current directory.
inline constexpr const char* kSettingsFilePath = "./Navivor.ini";

// What the settings file keeps of the main window's looks, with the defaults a missing key
// gives. The windings grid's colour is kept twice, as bgc1 and SG1; SG1, read last, is the
// one that counts. The window's colour is also that of the grid's fixed cells.
struct Appearance {
    ColourValue windingsGrid = kWindowBackground;
    ColourValue primaryGrid = kWhite;
    ColourValue countField = kWindowBackground;
    ColourValue frequencyField = kWhite;
    ColourValue sectionField = kWindowBackground;
    ColourValue windowAreaField = kWindowBackground;
    ColourValue thicknessField = kWindowBackground;
    ColourValue fontColour = kNavy;
    ColourValue window = kButtonFace;
    std::int32_t fontSize = 8; // points
    std::string fontName = "arial";
};

// Every key of [Color] and [Font] through the number and text look-ups of profile files: a
// missing or malformed value gives the default.
Appearance readAppearance(const std::string& path);
// [Language] Lang, "Russian" when missing.
std::string readLanguage(const std::string& path);
// Sets the keys in this order in one replacement of the file: [Color] bgc1, bgc2, Se1, Se2,
// Se4, Se5, Edit1, SG1, font, form; [Font] size, name; [Language] Lang; numbers as plain
// decimal text. Every other byte of the file stays. A failure raises Failure "Unable to write
// to <path>" and leaves the file as it was.
void writeSettings(const std::string& path, const Appearance& appearance,
                   std::string_view language);

} // namespace navivor
