#include "text/profile_file.h"

#include "text/cp1251.h"
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
// Far above any language or settings file; a larger one is not a profile and reading it
// would only fill memory.
constexpr std::size_t kLargestFile = 1024 * 1024;

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

class Descriptor {
public:
    explicit Descriptor(int value)
        : value_(value) {}
    ~Descriptor() {
        if (value_ >= 0)
            ::close(value_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int value() const { return value_; }

private:
    int value_;
};

// The whole file, or nothing when it is not a regular file of at most kLargestFile bytes.
// A FIFO, a device or a directory may stand at the path; opening without blocking and
// looking at what was opened keeps any of them from stalling the program. The file may
// still grow after fstat, so the reading stops one byte past the limit.
std::optional<std::string> regularFileBytes(const std::string& path) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.value() < 0 || ::fstat(file.value(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > kLargestFile)
        return std::nullopt;
    std::string bytes;
    char chunk[16384];
    while (bytes.size() <= kLargestFile) {
        const std::size_t wanted = std::min(sizeof chunk, kLargestFile + 1 - bytes.size());
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

} // namespace

ProfileFile::ProfileFile(const std::string& path) {
    const std::optional<std::string> bytes = regularFileBytes(path);
    if (!bytes)
        return;
    std::string section;
    bool inSection = false;
    for (std::string_view rest = *bytes; !rest.empty();) {
        const std::string_view trimmed = trimBlanks(nextLine(rest));
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
    return parseInteger(value).value_or(defaultValue);
}

} // namespace navivor
