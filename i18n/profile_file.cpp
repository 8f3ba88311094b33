#include "profile_file.h"

#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "i18n/cp1251.h"

#include <fstream>
#include <sstream>

namespace navivor {
namespace {

constexpr std::size_t kLongestValue = 2047;

std::string foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lookupKey(std::string_view section, std::string_view key) {
    return foldCase(section) + '\n' + foldCase(key);
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

ProfileFile::ProfileFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    std::string section;
    bool inSection = false;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string_view trimmed = trimBlanks(line);
        if (trimmed.starts_with('[')) {
            const auto close = trimmed.find(']');
            inSection = close != std::string_view::npos;
            if (inSection)
                section = std::string(trimmed.substr(1, close - 1));
            continue;
        }
        const auto equals = trimmed.find('=');
        if (!inSection || equals == std::string_view::npos || trimmed.starts_with(';'))
            continue;
        const std::string_view key = trimBlanks(trimmed.substr(0, equals));
        std::string_view value = unquoted(trimBlanks(trimmed.substr(equals + 1)));
        // The first of repeated keys counts, as with the platform's own reader.
        values_.emplace(lookupKey(section, key), value.substr(0, kLongestValue));
    }
}

std::string ProfileFile::text(std::string_view section, std::string_view key,
                              std::string_view defaultText) const {
    const auto found = values_.find(lookupKey(section, key));
    if (found != values_.end())
        return decodeCp1251(found->second);
    const auto end = defaultText.find_last_not_of(' ');
    return std::string(defaultText.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::int32_t ProfileFile::number(std::string_view section, std::string_view key,
                                 std::int32_t defaultValue) const {
    std::string value = text(section, key, "");
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        value.replace(0, 2, "$");
    // The integer conversion would also take "x1F"; profile values do not.
    if (value.find_first_of("xX") != std::string::npos)
        return defaultValue;
    try {
        return textToInteger(value);
    } catch (const CalcError&) {
        return defaultValue;
    }
}

} // namespace navivor
