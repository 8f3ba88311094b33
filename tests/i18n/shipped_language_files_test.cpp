// SPDX-License-Identifier: GPL-3.0-or-later
// The language files shipped in data/lang, read as the program reads them.
#include "i18n/text_catalogue.h"
#include "text/profile_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace navivor {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

const std::string kLanguageFolder = NAVIVOR_DATA_DIR "/lang/";

// Printable ASCII and the Windows-1251 letters and signs the texts use: Cyrillic, the
// Ukrainian letters, © and №. A file saved as UTF-8 by mistake shows other high bytes.
bool isTextByte(char c) {
    constexpr std::string_view kSigns = "\xA5\xA8\xA9\xAA\xAF\xB0\xB2\xB3\xB4\xB8\xB9\xBA\xBF";
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte < 0x7F) || byte >= 0xC0 || kSigns.find(c) != kSigns.npos;
}

// The section and key of every value line. Each line ends in CR LF and is empty, "[Section]"
// or "key=value".
Keys keysOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    Keys keys;
    std::string section;
    for (std::size_t start = 0, end = 0; start < bytes.size(); start = end + 2) {
        end = std::min(bytes.find("\r\n", start), bytes.size());
        const std::string line = bytes.substr(start, end - start);
        EXPECT_TRUE(std::ranges::all_of(line, isTextByte)) << line;
        const auto equals = line.find('=');
        if (line.starts_with('[') && line.ends_with(']'))
            section = line.substr(1, line.size() - 2);
        else if (equals != std::string::npos && equals > 0)
            keys.emplace_back(section, line.substr(0, equals));
        else
            EXPECT_TRUE(line.empty()) << line;
    }
    return keys;
}

TEST(ShippedLanguageFiles, HoldEveryCatalogueTextAndNothingElse) {
    Keys catalogue;
    for (const CatalogueEntry& entry : textCatalogue())
        catalogue.emplace_back(entry.section, entry.key);
    std::ranges::sort(catalogue);
    EXPECT_EQ(std::ranges::adjacent_find(catalogue), catalogue.end());

    for (const char* language : {"English", "Russian", "Ukrainian"}) {
        SCOPED_TRACE(language);
        const std::string path = kLanguageFolder + language + ".ini";
        Keys keys = keysOf(path);
        std::ranges::sort(keys);
        EXPECT_EQ(keys, catalogue);
        const ProfileFile file(path);
        for (const CatalogueEntry& entry : textCatalogue())
            EXPECT_NE(file.text(entry.section, entry.key, ""), "") << entry.key;
    }
}

// Russian.ini is the translators' template: with it the program must show what it shows
// without any file, so that a report made with it is the built-in one to the byte.
TEST(ShippedLanguageFiles, RussianGivesTheBuiltInTexts) {
    const ProfileFile russian(kLanguageFolder + "Russian.ini");
    const ProfileFile none;
    for (const CatalogueEntry& entry : textCatalogue())
        EXPECT_EQ(russian.text(entry.section, entry.key, ""),
                  none.text(entry.section, entry.key, entry.text))
            << entry.section << '/' << entry.key;
}

} // namespace
} // namespace navivor
