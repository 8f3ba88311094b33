// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a profile file: the look-ups give texts and numbers without crashing, leaking
// or stalling, and setting one key in that file changes what reads back for that key alone.
#include "text/profile_file.h"
#include "text/cp1251.h"
#include "text/failure.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

// Names from the language and settings files, so that the seeds reach real values.
constexpr std::string_view kSections[] = {"Messages", "MainForm", "Color", "Font", "Language"};
constexpr std::string_view kKeys[] = {"Mes1", "Kol1", "bgc1", "size", "name", "Lang"};

// The writer replaces the file through a temporary one beside it and syncs it to the disk;
// memory-backed /dev/shm keeps that from setting the pace of the run. The folder is the run's
// own and goes when the run ends.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                          : std::filesystem::temp_directory_path();
        path_ /= "navivor-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::string& profilePath() {
    static const ScratchFolder folder;
    static const std::string path = (folder.path() / "file.ini").string();
    return path;
}

std::vector<std::string> everyText(const std::string& path) {
    const navivor::ProfileFile profile(path);
    std::vector<std::string> texts;
    for (const std::string_view section : kSections) {
        for (const std::string_view key : kKeys) {
            texts.push_back(profile.text(section, key, "missing "));
            // Every byte of a value decodes to at most three bytes of UTF-8.
            if (texts.back().size() > 3 * 2047)
                std::abort();
            profile.number(section, key, -1);
        }
    }
    return texts;
}

// A value the reader gives back as written: one line, no blanks around it, not in quotes, no
// control character but tab.
bool readsBackAsWritten(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto control = [](char c) {
        return c != '\t' && (static_cast<unsigned char>(c) < 0x20 || c == '\x7F');
    };
    return std::none_of(value.begin(), value.end(), control) && value.size() <= 2047 && !quoted &&
           (value.empty() || (!blank(value.front()) && !blank(value.back())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = profilePath();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const std::vector<std::string> before = everyText(path);

    // The first line of the input is the value, set under a key the bytes choose.
    const std::string value = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (!readsBackAsWritten(value))
        return 0;
    const unsigned choice =
        std::accumulate(bytes.begin(), bytes.end(), 0u,
                        [](unsigned sum, char c) { return sum + static_cast<unsigned char>(c); });
    const std::size_t section = choice % std::size(kSections);
    const std::size_t key = choice / std::size(kSections) % std::size(kKeys);
    try {
        navivor::writeProfileStrings(
            path, {{std::string(kSections[section]), std::string(kKeys[key]), value}});
    } catch (const navivor::Failure&) {
        std::abort(); // a file of ours in a folder of ours
    }
    std::vector<std::string> expected = before;
    expected[section * std::size(kKeys) + key] =
        navivor::decodeCp1251(navivor::encodeCp1251(value));
    if (everyText(path) != expected)
        std::abort();
    return 0;
}
