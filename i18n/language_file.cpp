// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_file.h"

#include "i18n/text_catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace navivor {
namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return fold(x) == fold(y); });
}

} // namespace

std::string desktopLanguageCode() {
    const auto codeOf = [](std::string_view locale) {
        return std::string(locale.substr(0, locale.find_first_of(":_.@")));
    };
    std::string locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value && *value) {
            locale = codeOf(value);
            break;
        }
    }
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return {};
    const char* preferred = std::getenv("LANGUAGE");
    return preferred && *preferred ? codeOf(preferred) : locale;
}

bool namesBuiltInLanguage(std::string_view languageName) {
    return equalIgnoringCase(languageName, kBuiltInLanguage);
}

std::optional<std::string> languageFileIn(const std::string& folder,
                                          std::string_view languageName) {
    namespace fs = std::filesystem;
    const std::string fileName = std::string(languageName) + ".ini";
    std::error_code error;
    // A link to a regular file counts; a named pipe is never opened.
    if (fs::is_regular_file(fs::path(folder) / fileName, error))
        return (fs::path(folder) / fileName).string();
    // File names on this platform are case sensitive; the language names are not.
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (equalIgnoringCase(entry->path().filename().string(), fileName) &&
            fs::is_regular_file(entry->path(), error))
            return entry->path().string();
    }
    return std::nullopt;
}

std::string languageFilePath(std::string_view languageName) {
    return languageFileIn("lang", languageName)
        .value_or("lang/" + std::string(languageName) + ".ini");
}

LanguageTexts::LanguageTexts(std::string_view languageName)
    : file_(languageFilePath(languageName)) {}

LanguageTexts LanguageTexts::ofFile(const std::string& path) {
    LanguageTexts texts;
    texts.file_ = ProfileFile(path);
    return texts;
}

std::string LanguageTexts::message(std::string_view key) const {
    return file_.text("Messages", key, builtInText("Messages", key));
}

std::string LanguageTexts::mainForm(std::string_view key) const {
    return file_.text("MainForm", key, builtInText("MainForm", key));
}

std::string LanguageTexts::text(std::string_view section, std::string_view key) const {
    return file_.text(section, key, builtInText(section, key));
}

std::string LanguageTexts::windowText(std::string_view section, std::string_view key,
                                      std::string_view shownNow) const {
    return file_.text(section, key, shownNow);
}

} // namespace navivor
