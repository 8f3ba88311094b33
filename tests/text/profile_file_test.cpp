// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/print_fields.h"
#include "support/temporary_directory.h"
#include "text/cp1251.h"
#include "text/failure.h"
#include "text/profile_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace navivor {
namespace {

using navivor::testing::TemporaryCurrentDirectory;

struct TextCase {
    const char* fileContent; // UTF-8 here, written to the file in Windows-1251
    const char* section;
    const char* key;
    const char* defaultText;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    testing::printFields(os, c.fileContent, c.section, c.key, c.defaultText);
}

class ProfileText : public ::testing::TestWithParam<TextCase> {
protected:
    TemporaryCurrentDirectory directory;
};

TEST_P(ProfileText, ReadingRules) {
    const TextCase& c = GetParam();
    TemporaryCurrentDirectory::write("file.ini", encodeCp1251(c.fileContent));
    EXPECT_EQ(ProfileFile("file.ini").text(c.section, c.key, c.defaultText), c.expected)
        << c.fileContent;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileText,
    ::testing::Values(
        TextCase{"[Messages]\r\nMes10=Load power, W -\r\n", "Messages", "Mes10", "x",
                 "Load power, W -"},
        TextCase{"[Messages]\rMes10=Power\rMes11=x\n", "Messages", "Mes10", "", "Power"},
        TextCase{"[Messages]\rMes10=Power\rMes11=x\n", "Messages", "Mes11", "", "x"},
        TextCase{"[Messages]\n\rMes10=Power\r", "Messages", "Mes10", "", "Power"},
        TextCase{"[messages]\nmes10=found\n", "Messages", "Mes10", "x", "found"},
        TextCase{"[Messages]\nMes9=other\n", "Messages", "Mes10", "Мощность -", "Мощность -"},
        TextCase{"[Other]\nMes10=other\n", "Messages", "Mes10", "default ", "default"},
        TextCase{"[Messages]\nMes2=\n", "Messages", "Mes2", "Ошибка !", ""},
        TextCase{"[Messages]\nMes2=   \n", "Messages", "Mes2", "Ошибка !", ""},
        TextCase{"[Messages]\n  Mes5 =   мм. кв.  \n", "Messages", "Mes5", "", "мм. кв."},
        TextCase{"[Messages]\nMes5=\" мм. кв. \"\n", "Messages", "Mes5", "", " мм. кв. "},
        TextCase{"[Messages]\nMes5=' a '\n", "Messages", "Mes5", "", " a "},
        TextCase{"[Messages]\nMes5=\"a'\n", "Messages", "Mes5", "", "\"a'"},
        TextCase{"[Messages]\nMes5=a=b\n", "Messages", "Mes5", "", "a=b"},
        TextCase{"[Messages]\nMes5=first\nMes5=second\n", "Messages", "Mes5", "", "first"},
        TextCase{"Mes5=outside\n[Messages]\n", "Messages", "Mes5", "d", "d"},
        TextCase{"", "Messages", "Mes6", " lead and trail  ", " lead and trail"},
        TextCase{"[Messages]\nMes1=Текст ёЁ№\n", "Messages", "Mes1", "", "Текст ёЁ№"},
        // Control characters would reach a terminal; a tab stays.
        TextCase{"[Messages]\nMes6=A\x01"
                 "B\tC\x1B[31mD\x7F\n",
                 "Messages", "Mes6", "", "AB\tC[31mD"}));

TEST(ProfileFileText, AByteOrderMarkBeforeTheFirstSectionIsSkipped) {
    TemporaryCurrentDirectory directory;
    TemporaryCurrentDirectory::write("bom.ini", "\xEF\xBB\xBF[Messages]\r\nMes1=\xC0\r\n");
    EXPECT_EQ(ProfileFile("bom.ini").text("Messages", "Mes1", "default"), "А");
    writeProfileStrings("bom.ini", {{"Messages", "Mes2", "x"}});
    EXPECT_EQ(ProfileFile("bom.ini").text("Messages", "Mes2", "default"), "x");
    std::ifstream file("bom.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
              "\xEF\xBB\xBF[Messages]\r\nMes1=\xC0\r\nMes2=x\r\n");
}

TEST(ProfileFileText, MissingFileGivesTheDefault) {
    TemporaryCurrentDirectory directory;
    EXPECT_EQ(ProfileFile("lang/none.ini").text("Messages", "Mes1", "built-in "), "built-in");
}

TEST(ProfileFileText, LongValuesAreCutTo2047Characters) {
    TemporaryCurrentDirectory directory;
    TemporaryCurrentDirectory::write("long.ini", "[A]\nkey=" + std::string(3000, '\xC0') + "\n");
    const std::string value = ProfileFile("long.ini").text("A", "key", "");
    EXPECT_EQ(value.size(), 2047u * 2); // each А is two bytes of UTF-8
}

TEST(ProfileFileText, OnlyARegularFileOfAtMostOneMebibyteIsRead) {
    TemporaryCurrentDirectory directory;
    const auto holdingKey = [](std::size_t size) {
        const std::string start = "[A]\nkey=read\n";
        return start + std::string(size - start.size(), ';');
    };
    ASSERT_EQ(::mkfifo("fifo.ini", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.ini");
    std::filesystem::create_directory("folder.ini");
    TemporaryCurrentDirectory::write("over.ini", holdingKey((1u << 20) + 1));
    TemporaryCurrentDirectory::write("limit.ini", holdingKey(1u << 20));
    ::alarm(10); // a read that blocks or never ends kills the test program instead
    for (const char* path : {"fifo.ini", "zero.ini", "folder.ini", "over.ini"})
        EXPECT_EQ(ProfileFile(path).text("A", "key", "default"), "default") << path;
    EXPECT_EQ(ProfileFile("limit.ini").text("A", "key", "default"), "read");
    ::alarm(0);
}

struct NumberCase {
    const char* value;
    std::int32_t expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    testing::printFields(os, c.value);
}

class ProfileNumber : public ::testing::TestWithParam<NumberCase> {
protected:
    TemporaryCurrentDirectory directory;
};

TEST_P(ProfileNumber, ParsedOrDefault) {
    TemporaryCurrentDirectory::write("Navivor.ini",
                                     std::string("[Color]\nbgc1=") + GetParam().value + "\n");
    EXPECT_EQ(ProfileFile("Navivor.ini").number("Color", "bgc1", 77), GetParam().expected)
        << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileNumber,
    ::testing::Values(NumberCase{"16777215", 16777215}, NumberCase{"$FFFFFF", 16777215},
                      NumberCase{"0xFFFFFF", 16777215}, NumberCase{"0Xff0000", 0xFF0000},
                      NumberCase{"-2147483643", -2147483643}, NumberCase{"$80000005", -2147483643},
                      NumberCase{"+8", 8}, NumberCase{"12abc", 77}, NumberCase{"12345678901", 77},
                      NumberCase{"", 77}, NumberCase{"x10", 77}, NumberCase{"0x", 77},
                      NumberCase{"1.5", 77}, NumberCase{"$1FFFFFFFF", 77}));

struct WriteCase {
    const char* path;
    std::optional<std::string> before; // none: no file
    std::filesystem::perms mode;       // before, and after (a new file's under the umask 027)
    const char* section;
    const char* key;
    const char* value;                // UTF-8
    std::optional<std::string> after; // none: the write fails
};

using ProfileWrite = ::testing::TestWithParam<WriteCase>;

TEST_P(ProfileWrite, SetsOneKeyAndKeepsEveryOtherByte) {
    const WriteCase& c = GetParam();
    TemporaryCurrentDirectory directory;
    const mode_t umask = ::umask(027);
    if (c.before) {
        TemporaryCurrentDirectory::write(c.path, *c.before);
        std::filesystem::permissions(c.path, c.mode);
    }
    std::string failure;
    try {
        writeProfileStrings(c.path, {{c.section, c.key, c.value}});
    } catch (const Failure& raised) {
        failure = raised.what();
    }
    ::umask(umask);
    EXPECT_EQ(failure, c.after ? "" : "Unable to write to " + std::string(c.path));
    std::ifstream file(c.path, std::ios::binary);
    EXPECT_EQ(file ? std::optional(std::string(std::istreambuf_iterator<char>(file), {}))
                   : std::nullopt,
              c.after ? c.after : c.before);
    if (c.after) {
        EXPECT_EQ(ProfileFile(c.path).text(c.section, c.key, "default"), c.value);
        EXPECT_EQ(std::filesystem::status(c.path).permissions(), c.mode);
    }
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}),
              c.after || c.before ? 1 : 0);
}

constexpr auto kWritable = std::filesystem::perms(0640);

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(
        // The first key the reader takes; mixed line ends and a last line without one stay.
        WriteCase{"a.ini", "[Font]\nSe1=0\r[Color]\r\nbgc1=1\nse1 = 2 \rSe1=3\r\n\n[Font]",
                  kWritable, "color", "SE1", "5",
                  "[Font]\nSe1=0\r[Color]\r\nbgc1=1\nse1 =5\rSe1=3\r\n\n[Font]"},
        // After the section's last key line, before its comment and blank line.
        WriteCase{"a.ini", "[Color]\nbgc1=1\n;note\n\n[Font]\nsize=8\n", kWritable, "Color", "Se1",
                  "2", "[Color]\nbgc1=1\nSe1=2\r\n;note\n\n[Font]\nsize=8\n"},
        // A commented key, a key before any section and a section cut short do not count.
        WriteCase{"a.ini", "size=1\n[Font]\n;size=2\n[Font\nsize=3", kWritable, "Font", "size", "8",
                  "size=1\n[Font]\nsize=8\r\n;size=2\n[Font\nsize=3"},
        WriteCase{"a.ini", "[Color]\r\nbgc1=1", kWritable, "Font", "size", "8",
                  "[Color]\r\nbgc1=1\r\n[Font]\r\nsize=8\r\n"},
        WriteCase{"a.ini", std::nullopt, kWritable, "Language", "Lang", "Русский",
                  "[Language]\r\nLang=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n"},
        // Read-only on purpose: not replaced, not even by root.
        WriteCase{"a.ini", "[Font]\nsize=8\n", std::filesystem::perms(0444), "Font", "size", "9",
                  std::nullopt},
        WriteCase{"missing/a.ini", std::nullopt, {}, "Font", "size", "9", std::nullopt}));

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A user's file may be large, linked from elsewhere or link to a file not made yet: its other
// bytes stay, the link stays a link, and the file the link names gets the key.
TEST(ProfileWriteThrough, LinksAndLargeFilesKeepEveryOtherByte) {
    TemporaryCurrentDirectory directory;
    const std::string large = "[Color]\nbgc1=1\n[User]\n" + std::string(3u << 20, ';') + "\n";
    TemporaryCurrentDirectory::write("store/large.ini", large);
    std::filesystem::create_symlink("store/large.ini", "link.ini");
    std::filesystem::create_symlink("link.ini", "chain.ini");
    std::filesystem::create_symlink("store/new.ini", "dangling.ini");
    std::filesystem::create_symlink("loop.ini", "loop.ini");

    for (const char* path : {"chain.ini", "dangling.ini"})
        writeProfileStrings(path, {{"Color", "bgc1", "2"}, {"Font", "size", "9"}});
    EXPECT_EQ(fileBytes("store/large.ini"),
              "[Color]\nbgc1=2\n[User]\n" + std::string(3u << 20, ';') + "\n[Font]\r\nsize=9\r\n");
    EXPECT_EQ(fileBytes("store/new.ini"), "[Color]\r\nbgc1=2\r\n[Font]\r\nsize=9\r\n");
    for (const char* link : {"link.ini", "chain.ini", "dangling.ini"})
        EXPECT_TRUE(std::filesystem::is_symlink(link)) << link;
    EXPECT_THROW(writeProfileStrings("loop.ini", {{"Font", "size", "9"}}), Failure);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("store"), {}), 2);
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string utf8 = decodeCp1251(bytes);
    EXPECT_EQ(encodeCp1251(utf8), bytes);
    EXPECT_EQ(decodeCp1251("\xC0\xFF\xA8\xB8\xB9\x88"), "АяЁё№€");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp1251("a中b"), "a?b");
    EXPECT_EQ(encodeCp1251("Ω😀"), "??");
    EXPECT_EQ(encodeCp1251("\xFF\xC3"), "??");                              // malformed UTF-8
    EXPECT_EQ(encodeCp1251("\xC0\x8A\xE0\x80\xAE\xF0\x80\x80\xAE"), "???"); // overlong forms
}

} // namespace
} // namespace navivor
