#include "language_files.h"

#include "cli/command_line.h"
#include "i18n/language_file.h"
#include "i18n/text_catalogue.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace navivor::cli {
namespace {

namespace fs = std::filesystem;

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return fold(x) == fold(y); });
}

// A regular file (a link to one counts) that opens for reading; a named pipe is never
// opened, since opening it would wait for a writer.
bool isReadableFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && std::ifstream(path, std::ios::binary).is_open();
}

// The file of that name in the folder, its letter case as given or, as the desktop program
// finds it, any other.
std::optional<fs::path> fileIn(const fs::path& folder, const std::string& fileName) {
    if (isReadableFile(folder / fileName))
        return folder / fileName;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (equalIgnoringCase(entry->path().filename().string(), fileName) &&
            isReadableFile(entry->path()))
            return entry->path();
    }
    return std::nullopt;
}

// The installed language folder: share/navivor/lang/ beside the bin/ folder that holds the
// running program.
std::string installedLanguageFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "lang/";
    return (program.parent_path() / NAVIVOR_DATA_FROM_BIN / "lang/").lexically_normal().string();
}

std::string languagePath(std::string_view name) {
    const std::string fileName = std::string(name) + ".ini";
    const std::string installed = installedLanguageFolder();
    for (const fs::path& folder : {fs::path("lang"), fs::path(installed)})
        if (const auto path = fileIn(folder, fileName))
            return path->string();
    if (equalIgnoringCase(name, kBuiltInLanguage))
        return {};
    throw UsageError{"--lang: no readable language file " + fileName + " in lang/ or " + installed};
}

} // namespace

LanguageFile::LanguageFile(std::string_view name) {
    if (const std::string path = languagePath(name); !path.empty())
        file_ = ProfileFile(path);
}

std::string LanguageFile::text(std::string_view section, std::string_view key) const {
    return file_.text(section, key, builtInText(section, key));
}

} // namespace navivor::cli
