// SPDX-License-Identifier: GPL-3.0-or-later
// Profile (INI) files: the language files and the settings file. A file is read once when
// the reading object is made; look-ups then never fail, giving their default instead. Writing
// sets keys and leaves every other line of the file as it was.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace navivor {

// Far above any language file: a larger one is not a profile, and reading it for its texts
// would only fill memory.
inline constexpr std::size_t kLargestProfileFile = 1024 * 1024;
// A settings file is the user's own: the program reads and rewrites it up to this size,
// whatever else the user keeps in it.
inline constexpr std::size_t kLargestPreservedFile = 256 * 1024 * 1024;

class ProfileFile {
public:
    // No file at all: every look-up gives its default.
    ProfileFile() = default;
    // A file that is missing, unreadable, not a regular file or larger than largestFile
    // behaves as an empty one. The bytes are Windows-1251, after a UTF-8 byte-order mark if
    // an editor put one first. Control characters other than tab are dropped from values.
    explicit ProfileFile(const std::string& path, std::size_t largestFile = kLargestProfileFile);

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

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value; // UTF-8, written in Windows-1251
};

// Sets each key's value in turn, with one read of the file and one replacement. The first key
// the reader would take keeps its text up to "=" and its line end and gets the new value; a
// missing key goes after the last key of the first such section, and a missing section, with
// the key, at the end of the file. New lines end in CR LF. The new content replaces the file
// as replaceFileContent does (a link stays a link). A file without any write permission bit
// is read-only even to root. Raises Failure "Unable to write to <path>" when the file cannot
// be read whole or written; the file then stays as it was, and the message says when the
// disk was full.
void writeProfileStrings(const std::string& path, const std::vector<ProfileEntry>& entries);

} // namespace navivor
