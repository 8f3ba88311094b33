// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language_file.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

namespace navivor {
namespace {

using navivor::testing::TemporaryCurrentDirectory;

TEST(LanguageFile, PathIsUnderLangAndFindsOtherLetterCase) {
    TemporaryCurrentDirectory directory;
    EXPECT_EQ(languageFilePath("English"), "lang/English.ini");
    EXPECT_EQ(languageFilePath(""), "lang/.ini");
    TemporaryCurrentDirectory::write("lang/English.ini", "[Messages]\nMes15=Winding\n");
    EXPECT_EQ(languageFilePath("english"), "lang/English.ini");
    EXPECT_EQ(LanguageTexts("ENGLISH").message("Mes15"), "Winding");
    EXPECT_EQ(LanguageTexts("ENGLISH").message("Mes7"), "Частота тока, Гц -");
    EXPECT_EQ(LanguageTexts().mainForm("Label4"), " Диам.пр.");
}

} // namespace
} // namespace navivor
