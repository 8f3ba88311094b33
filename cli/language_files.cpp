// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/language_files.h"

#include "cli/command_line.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace navivor::cli {
namespace {

// The installed language folder: share/navivor/lang/ beside the bin/ folder that holds the
// running program.
std::string installedLanguageFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "lang/";
    return (program.parent_path() / NAVIVOR_DATA_FROM_BIN / "lang/").lexically_normal().string();
}

} // namespace

LanguageTexts languageOfOption(std::string_view name) {
    const std::string installed = installedLanguageFolder();
    for (const std::string& folder : {std::string("lang"), installed})
        if (const auto path = languageFileIn(folder, name);
            path && std::ifstream(*path, std::ios::binary).is_open())
            return LanguageTexts::ofFile(*path);
    if (namesBuiltInLanguage(name))
        return LanguageTexts();
    throw UsageError{"--lang: no readable language file " + std::string(name) +
                     ".ini in lang/ or " + installed};
}

} // namespace navivor::cli
