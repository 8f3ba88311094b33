// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"
#include "support/temporary_directory.h"
#include "text/failure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

namespace navivor {
namespace {

using navivor::testing::TemporaryCurrentDirectory;

std::string settingsFileBytes() {
    std::ostringstream bytes;
    bytes << std::ifstream(kSettingsFilePath, std::ios::binary).rdbuf();
    return bytes.str();
}

TEST(SettingsFile, FirstRunWritesEveryKeyInOrderAndAReadOnlyFileStaysAsItWas) {
    TemporaryCurrentDirectory directory;
    writeSettings(kSettingsFilePath, Appearance{}, "Russian");
    const std::string firstRun =
        "[Color]\r\nbgc1=-2147483643\r\nbgc2=16777215\r\nSe1=-2147483643\r\nSe2=16777215\r\n"
        "Se4=-2147483643\r\nSe5=-2147483643\r\nEdit1=-2147483643\r\nSG1=-2147483643\r\n"
        "font=8388608\r\nform=-2147483633\r\n[Font]\r\nsize=8\r\nname=arial\r\n"
        "[Language]\r\nLang=Russian\r\n";
    EXPECT_EQ(settingsFileBytes(), firstRun);
    std::filesystem::permissions(kSettingsFilePath, std::filesystem::perms(0444));
    std::string message;
    try {
        writeSettings(kSettingsFilePath, Appearance{}, "English");
    } catch (const Failure& failure) {
        message = failure.what();
    }
    EXPECT_EQ(message, "Unable to write to ./Navivor.ini");
    EXPECT_EQ(settingsFileBytes(), firstRun);
}

// The user's own sections stay, however large the file has grown.
TEST(SettingsFile, ALargeFileIsReadAndKeepsItsOtherSections) {
    TemporaryCurrentDirectory directory;
    const std::string user = "[User]\r\n" + std::string(2u << 20, ';') + "\r\n";
    TemporaryCurrentDirectory::write(kSettingsFilePath, "[Color]\r\nSG1=255\r\n" + user);
    EXPECT_EQ(readAppearance(kSettingsFilePath).windingsGrid, 255);
    writeSettings(kSettingsFilePath, Appearance{}, "English");
    const std::string written = settingsFileBytes();
    EXPECT_TRUE(written.find(user) != std::string::npos);
    EXPECT_EQ(readLanguage(kSettingsFilePath), "English");
}

struct ReadCase {
    const char* content; // nullptr: no file
    Appearance appearance;
    const char* language;
};

using SettingsRead = ::testing::TestWithParam<ReadCase>;

TEST_P(SettingsRead, MissingOrMalformedKeysGiveTheirDefaults) {
    const ReadCase& c = GetParam();
    TemporaryCurrentDirectory directory;
    if (c.content)
        TemporaryCurrentDirectory::write(kSettingsFilePath, c.content);
    const auto fields = [](const Appearance& a) {
        return std::tie(a.windingsGrid, a.primaryGrid, a.countField, a.frequencyField,
                        a.sectionField, a.windowAreaField, a.thicknessField, a.fontColour, a.window,
                        a.fontSize, a.fontName);
    };
    EXPECT_EQ(fields(readAppearance(kSettingsFilePath)), fields(c.appearance));
    EXPECT_EQ(readLanguage(kSettingsFilePath), c.language);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRead,
    ::testing::Values(
        ReadCase{nullptr, {}, "Russian"},
        // SG1 does not follow bgc1, which has no lasting effect.
        ReadCase{"[Color]\nbgc1=-2147483633\nbgc2=-2147483643\n",
                 {.primaryGrid = kWindowBackground},
                 "Russian"},
        ReadCase{"[Color]\nbgc1=-2147483633\nSG1=255\n", {.windingsGrid = 255}, "Russian"},
        ReadCase{
            "[color]\nse2=$FF0000\nFORM=0xFF0000\nfont=navy\n[Font]\nsize=12\nname=Tahoma\n"
            "[Language]\nlang=English\n",
            {.frequencyField = 0xFF0000, .window = 0xFF0000, .fontSize = 12, .fontName = "Tahoma"},
            "English"}));

} // namespace
} // namespace navivor
