// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/installed_data.h"

#include <filesystem>
#include <system_error>

namespace navivor::cli {

std::string installedDataFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return (program.parent_path() / NAVIVOR_DATA_FROM_BIN / "").lexically_normal().string();
}

} // namespace navivor::cli
