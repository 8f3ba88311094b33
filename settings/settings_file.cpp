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
    {"Color", "bgc1", &Appearance::bgc1},
    {"Color", "bgc2", &Appearance::bgc2},
    {"Color", "Se1", &Appearance::se1},
    {"Color", "Se2", &Appearance::se2},
    {"Color", "Se4", &Appearance::se4},
    {"Color", "Se5", &Appearance::se5},
    {"Color", "Edit1", &Appearance::edit1},
    {"Color", "SG1", &Appearance::sg1},
    {"Color", "font", &Appearance::font},
    {"Color", "form", &Appearance::form},
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
    Appearance appearance;
    for (const Key& key : kKeys) {
        if (key.number)
            appearance.*key.number = file.number(key.section, key.name, appearance.*key.number);
        if (key.text)
            appearance.*key.text = file.text(key.section, key.name, appearance.*key.text);
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
