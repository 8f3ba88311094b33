// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/language_files.h"

#include "cli/command_line.h"
#include "text/installed_data.h"

#include <fstream>

namespace navivor::cli {

LanguageTexts languageOfOption(std::string_view name) {
    const std::string installed = installedDataFolder(NAVIVOR_DATA_FROM_BIN) + "lang/";
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
