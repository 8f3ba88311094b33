// Profile (INI) files: the language files and the settings file. A file is read once when
// the reading object is made; look-ups then never fail, giving their default instead. Writing
// sets one key at a time and leaves every other line of the file as it was.
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

// Sets the key's value (UTF-8, written in Windows-1251). The first key the reader would take
// keeps its text up to "=" and its line end and gets the new value; a missing key goes after
// the last key of the first such section, and a missing section, with the key, at the end of
// the file. New lines end in CR LF. The new content replaces the file through a temporary
// file beside it, with the old file's permission bits; only where the folder takes no new
// file is the file itself rewritten. A file without any write permission bit is read-only
// even to root. Raises Failure "Unable to write to <path>" when the file cannot be written;
// the file then stays as it was.
void writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace navivor
