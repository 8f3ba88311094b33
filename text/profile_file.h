// Reading of profile (INI) files: the language files and the settings file. A file is read
// once when the object is made; look-ups then never fail, giving their default instead.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace navivor {

class ProfileFile {
public:
    // No file at all: every look-up gives its default.
    ProfileFile() = default;
    // A file that is missing, unreadable, not a regular file or larger than 1 MiB behaves as
    // an empty one. The bytes are Windows-1251.
    explicit ProfileFile(const std::string& path);

    // The value of the key: blanks around it removed, then one matching pair of double or
    // single quotes; at most 2047 characters. Section and key match without regard to
    // letter case. A missing key gives the default less its trailing blanks.
    std::string text(std::string_view section, std::string_view key,
                     std::string_view defaultText) const;

    // A decimal value ("-2147483643"), or a hexadecimal one written "$FF0000" or "0xFF0000"
    // and taken as a 32-bit pattern; anything else gives the default.
    std::int32_t number(std::string_view section, std::string_view key,
                        std::int32_t defaultValue) const;

private:
    // Case-folded "section\nkey" to the raw value bytes.
    std::map<std::string, std::string> values_;
};

} // namespace navivor
