#include "language_file.h"

#include "i18n/text_catalogue.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace navivor {
namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return fold(x) == fold(y); });
}

} // namespace

std::string languageFilePath(std::string_view languageName) {
    const std::string fileName = std::string(languageName) + ".ini";
    const std::string path = "lang/" + fileName;
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return path;
    // File names on this platform are case sensitive; the language names are not.
    for (std::filesystem::directory_iterator entry("lang", error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (equalIgnoringCase(candidate, fileName))
            return "lang/" + candidate;
    }
    return path;
}

LanguageTexts::LanguageTexts(std::string_view languageName)
    : file_(languageFilePath(languageName)) {}

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
