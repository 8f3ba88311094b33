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
    Appearance appearance;
    appearance.bgc1 = appearance.sg1; // the window shows the grid's colour in both
    writeSettings(kSettingsFilePath, appearance, "Russian");
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
    EXPECT_EQ(readAppearance(kSettingsFilePath).sg1, 255);
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
        return std::tie(a.bgc1, a.bgc2, a.se1, a.se2, a.se4, a.se5, a.edit1, a.sg1, a.font, a.form,
                        a.fontSize, a.fontName);
    };
    EXPECT_EQ(fields(readAppearance(kSettingsFilePath)), fields(c.appearance));
    EXPECT_EQ(readLanguage(kSettingsFilePath), c.language);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRead,
    ::testing::Values(
        ReadCase{nullptr, {}, "Russian"},
        // SG1 does not follow bgc1.
        ReadCase{"[Color]\nbgc1=-2147483633\nbgc2=-2147483643\n",
                 {.bgc1 = kButtonFace, .bgc2 = kWindowBackground},
                 "Russian"},
        ReadCase{"[color]\nse2=$FF0000\nFORM=0xFF0000\nfont=navy\n[Font]\nsize=12\nname=Tahoma\n"
                 "[Language]\nlang=English\n",
                 {.se2 = 0xFF0000, .form = 0xFF0000, .fontSize = 12, .fontName = "Tahoma"},
                 "English"}));

} // namespace
} // namespace navivor
