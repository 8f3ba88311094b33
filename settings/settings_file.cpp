// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "text/number_text.h"
#include "text/profile_file.h"

namespace navivor {
namespace {

// One key of the settings file: a number field, a text field, or (neither) the language.
struct Key {
    const char* section;
    const char* name;
    std::int32_t Appearance::*number = nullptr;
    std::string Appearance::*text = nullptr;
};

constexpr const char* kDefaultLanguage = "Russian";
constexpr Key kLanguage{"Language", "Lang"};

// Every key in the order it is written; reading takes the same names.
constexpr Key kKeys[] = {
    {"Color", "bgc1", &Appearance::windingsGrid},
    {"Color", "bgc2", &Appearance::primaryGrid},
    {"Color", "Se1", &Appearance::countField},
    {"Color", "Se2", &Appearance::frequencyField},
    {"Color", "Se4", &Appearance::sectionField},
    {"Color", "Se5", &Appearance::windowAreaField},
    {"Color", "Edit1", &Appearance::thicknessField},
    {"Color", "SG1", &Appearance::windingsGrid},
    {"Color", "font", &Appearance::fontColour},
    {"Color", "form", &Appearance::window},
    {"Font", "size", &Appearance::fontSize},
    {"Font", "name", nullptr, &Appearance::fontName},
    kLanguage,
};

} // namespace

bool isSystemColour(ColourValue colour) {
    return (static_cast<std::uint32_t>(colour) & 0x80000000u) != 0;
}

int systemColourIndex(ColourValue colour) {
    return colour & 0xFF;
}

ColourValue plainColour(int red, int green, int blue) {
    return ((blue & 0xFF) << 16) | ((green & 0xFF) << 8) | (red & 0xFF);
}

int redOf(ColourValue colour) {
    return colour & 0xFF;
}

int greenOf(ColourValue colour) {
    return (colour >> 8) & 0xFF;
}

int blueOf(ColourValue colour) {
    return (colour >> 16) & 0xFF;
}

Appearance readAppearance(const std::string& path) {
    const ProfileFile file(path, kLargestPreservedFile);
    // A key's default is its field's own, not what an earlier key of the field gave: SG1
    // missing gives the window background whatever bgc1 held.
    const Appearance defaults;
    Appearance appearance;
    for (const Key& key : kKeys) {
        if (key.number)
            appearance.*key.number = file.number(key.section, key.name, defaults.*key.number);
        if (key.text)
            appearance.*key.text = file.text(key.section, key.name, defaults.*key.text);
    }
    return appearance;
}

std::string readLanguage(const std::string& path) {
    return ProfileFile(path, kLargestPreservedFile)
        .text(kLanguage.section, kLanguage.name, kDefaultLanguage);
}

void writeSettings(const std::string& path, const Appearance& appearance,
                   std::string_view language) {
    std::vector<ProfileEntry> entries;
    for (const Key& key : kKeys)
        entries.push_back({key.section, key.name,
                           key.number ? integerToText(appearance.*key.number)
                           : key.text ? appearance.*key.text
                                      : std::string(language)});
    writeProfileStrings(path, entries);
}

} // namespace navivor
