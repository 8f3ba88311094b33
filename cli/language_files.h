// The language files of navivor-calc: lang/NAME.ini under the current directory, as the
// desktop program reads it, or else the one installed with the program.
#pragma once

#include "text/profile_file.h"

#include <string>
#include <string_view>

namespace navivor::cli {

// The texts of one language: those of its file, each missing one the built-in text.
class LanguageFile {
public:
    // The built-in texts alone.
    LanguageFile() = default;
    // The language a --lang option names (checked as the command line is read: a file name
    // without ".ini"). Raises UsageError when no readable file of that name is found, save
    // for the built-in language, which needs none.
    explicit LanguageFile(std::string_view name);

    std::string text(std::string_view section, std::string_view key) const;

private:
    ProfileFile file_;
};

} // namespace navivor::cli
