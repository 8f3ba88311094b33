// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/profile_file.h"

#include "text/cp1251.h"
#include "text/failure.h"
#include "text/file_descriptor.h"
#include "text/file_replacement.h"
#include "text/number_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace navivor {
namespace {

constexpr std::size_t kLongestValue = 2047;
// What a Windows editor puts before UTF-8 text; the bytes after it are still Windows-1251.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// The whole file, or nothing when it is not a regular file of at most largestFile bytes.
// A FIFO, a device or a directory may stand at the path; opening without blocking and
// looking at what was opened keeps any of them from stalling the program. The file may
// still grow after fstat, so the reading stops one byte past the limit.
std::optional<std::string> regularFileBytes(const std::string& path, std::size_t largestFile) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.value() < 0 || ::fstat(file.value(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > largestFile)
        return std::nullopt;
    std::string bytes;
    char chunk[16384];
    while (bytes.size() <= largestFile) {
        const std::size_t wanted = std::min(sizeof chunk, largestFile + 1 - bytes.size());
        const ssize_t got = ::read(file.value(), chunk, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

// The next line and what follows it. A line ends at CR, at LF or at CR LF: a lone CR
// written by some editor must not carry the next key into a value.
std::string_view nextLine(std::string_view& rest) {
    const auto end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
        return line;
    }
    const bool crlf = rest[end] == '\r' && rest.substr(end + 1).starts_with('\n');
    rest.remove_prefix(end + (crlf ? 2 : 1));
    return line;
}

// A line of a profile file as the reader sees it. Offsets count from the start of the file.
struct Line {
    std::size_t begin = 0;
    std::string_view text; // without the line end
    std::size_t end = 0;   // past the line end
    // "[" opens a section, or ends the current one when no "]" follows.
    bool header = false;
    // The section the line opens or lies in; none before the first one.
    std::optional<std::string_view> section;
    // A key line ("key=value", not ";" first) inside a section, blanks around both removed.
    std::optional<std::string_view> key;
    std::string_view value;
};

// The reader and the writer walk the lines alike, so that the writer replaces the very key
// the reader would take.
template <typename Visit> void forEachLine(std::string_view bytes, Visit visit) {
    Line line;
    std::string_view rest = bytes;
    if (rest.starts_with(kByteOrderMark)) {
        rest.remove_prefix(kByteOrderMark.size());
        line.end = kByteOrderMark.size();
    }
    while (!rest.empty()) {
        line.begin = line.end;
        line.text = nextLine(rest);
        line.end = bytes.size() - rest.size();
        line.key.reset();
        const std::string_view trimmed = trimBlanks(line.text);
        const auto equals = trimmed.find('=');
        line.header = trimmed.starts_with('[');
        if (line.header) {
            const auto close = trimmed.find(']');
            line.section = close == std::string_view::npos
                               ? std::nullopt
                               : std::optional(trimmed.substr(1, close - 1));
        } else if (line.section && equals != std::string_view::npos && !trimmed.starts_with(';')) {
            line.key = trimBlanks(trimmed.substr(0, equals));
            line.value = trimBlanks(trimmed.substr(equals + 1));
        }
        visit(line);
    }
}

// The file's bytes with the key set to the value, as writeProfileString describes.
std::string withValue(std::string_view bytes, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string wantedSection = foldCase(section);
    const std::string wantedKey = foldCase(key);
    std::optional<Line> found;
    // Where a new key goes: past the header or the last key line of the first such section,
    // so that blank lines and comments before the next section stay with that section.
    std::optional<std::size_t> sectionEnd;
    bool inFirstSection = false;
    forEachLine(bytes, [&](const Line& line) {
        const bool wanted = line.section && foldCase(*line.section) == wantedSection;
        if (line.header)
            inFirstSection = wanted && !sectionEnd;
        if (inFirstSection && (line.header || line.key))
            sectionEnd = line.end;
        if (wanted && line.key && !found && foldCase(*line.key) == wantedKey)
            found = line;
    });
    std::string result(bytes);
    if (found) {
        const std::size_t valueBegin = found->begin + found->text.find('=') + 1;
        return result.replace(valueBegin, found->begin + found->text.size() - valueBegin, value);
    }
    std::string added = std::string(key) + '=' + std::string(value) + "\r\n";
    if (!sectionEnd)
        added = '[' + std::string(section) + "]\r\n" + added;
    const std::size_t at = sectionEnd.value_or(bytes.size());
    if (at == bytes.size() && !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
        added.insert(0, "\r\n");
    return result.insert(at, added);
}

// Control characters would reach a terminal or a window as they are; a tab is kept.
std::string withoutControlCharacters(std::string_view value) {
    std::string kept;
    for (const char c : value)
        if (c == '\t' || (static_cast<unsigned char>(c) >= 0x20 && c != '\x7F'))
            kept += c;
    return kept;
}

} // namespace

ProfileFile::ProfileFile(const std::string& path, std::size_t largestFile) {
    const std::optional<std::string> bytes = regularFileBytes(path, largestFile);
    if (!bytes)
        return;
    forEachLine(*bytes, [this](const Line& line) {
        // The first of repeated keys counts, as with the platform's own reader.
        if (line.key)
            values_.emplace(
                lookupKey(*line.section, *line.key),
                withoutControlCharacters(unquoted(line.value)).substr(0, kLongestValue));
    });
}

std::string ProfileFile::text(std::string_view section, std::string_view key,
                              std::string_view defaultText) const {
    // No file, as for the built-in language, needs no key built for the look-up.
    if (!values_.empty()) {
        const auto found = values_.find(lookupKey(section, key));
        if (found != values_.end())
            return decodeCp1251(found->second);
    }
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
    return parseInteger(value).value_or(defaultValue);
}

void writeProfileStrings(const std::string& path, const std::vector<ProfileEntry>& entries) {
    const std::string unable = "Unable to write to " + path;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // access() lets root write anything; the permission bits keep a settings file that was
    // made read-only on purpose from being replaced even then.
    if (exists && ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0))
        throw Failure(unable);
    // A file that cannot be read whole is never replaced: its other keys would be lost.
    const std::optional<std::string> oldBytes =
        exists ? regularFileBytes(path, kLargestPreservedFile) : std::string();
    if (!oldBytes)
        throw Failure(unable);
    std::string bytes = *oldBytes;
    for (const ProfileEntry& entry : entries)
        bytes = withValue(bytes, entry.section, entry.key, encodeCp1251(entry.value));
    switch (replaceFileContent(path, bytes)) {
    case Replacement::done:
        return;
    case Replacement::noSpace:
        throw Failure(unable + ": the disk is full; the file was left as it was");
    case Replacement::cannotCreate:
    case Replacement::writeFailed:
        throw Failure(unable);
    }
}

} // namespace navivor
