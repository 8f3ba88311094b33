// SPDX-License-Identifier: GPL-3.0-or-later
// The current language: its file under lang/ and the texts the calculations and the
// calculate button look up in it, with the built-in Russian texts as defaults.
#pragma once

#include "text/profile_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace navivor {

// The name of the built-in language, which needs no file.
inline constexpr std::string_view kBuiltInLanguage = "Russian";

// The language code of the desktop's locale ("uk" for uk_UA.UTF-8): the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty names the locale, and LANGUAGE, a list whose
// first entry counts, takes its place unless that locale is C or POSIX, as gettext reads them.
// Empty for the C and POSIX locales and where none is set.
std::string desktopLanguageCode();

// The built-in language's name in any letter case.
bool namesBuiltInLanguage(std::string_view languageName);

// "lang/" + name + ".ini" under the current directory. Where that file does not exist but
// one whose name differs only in letter case does, that one is named instead.
std::string languageFilePath(std::string_view languageName);
// The language's regular file in the folder, found as languageFilePath finds it; nothing when
// the folder holds none.
std::optional<std::string> languageFileIn(const std::string& folder, std::string_view languageName);

// One language file read at one moment, as a press of the calculate button opens it.
class LanguageTexts {
public:
    // The built-in texts alone.
    LanguageTexts() = default;
    explicit LanguageTexts(std::string_view languageName);
    // The texts of the language file at the path.
    static LanguageTexts ofFile(const std::string& path);

    // A key of [Messages] (Mes1 to Mes17).
    std::string message(std::string_view key) const;
    // A key of [MainForm] read by fixed code: Kol1 to Kol3, Label4, Button1, Button1_.
    std::string mainForm(std::string_view key) const;
    // Any key of the catalogue, its built-in text by default.
    std::string text(std::string_view section, std::string_view key) const;
    // A window text: the section is the window's name, the key the control's; a missing key
    // gives the text the control shows now.
    std::string windowText(std::string_view section, std::string_view key,
                           std::string_view shownNow) const;

private:
    ProfileFile file_;
};

} // namespace navivor
