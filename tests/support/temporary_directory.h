// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: a fresh directory that is the current directory for the life of the object.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace navivor::testing {

class TemporaryCurrentDirectory {
public:
    TemporaryCurrentDirectory()
        : previous_(std::filesystem::current_path())
        , path_(
              std::filesystem::temp_directory_path() /
              ("navivor-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++))) {
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~TemporaryCurrentDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    TemporaryCurrentDirectory(const TemporaryCurrentDirectory&) = delete;
    TemporaryCurrentDirectory& operator=(const TemporaryCurrentDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes to a file below the directory, making its folders.
    static void write(const std::filesystem::path& file, const std::string& bytes) {
        if (file.has_parent_path())
            std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    static int& counter() {
        static int value = 0;
        return value;
    }
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

} // namespace navivor::testing
