// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed_data.h"

#include <filesystem>
#include <system_error>

namespace navivor {

std::string installedDataFolder(std::string_view fromProgramFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return (program.parent_path() / fromProgramFolder / "").lexically_normal().string();
}

} // namespace navivor
