// SPDX-License-Identifier: GPL-3.0-or-later
#include "lamination_series.h"

#include "text/failure.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace navivor {
namespace {

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        parts.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// The same bounds as the winding sheet's core figures, so every core of the series has a sheet.
double millimetres(std::string_view text, std::size_t lineNumber) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 1 && value <= 1000))
        throw Failure("laminations.csv, line " + std::to_string(lineNumber) + ": '" +
                      std::string(text) + "' is no size from 1 to 1000 mm");
    return value;
}

} // namespace

std::vector<Lamination> parseLaminationSeries(std::string_view text) {
    std::vector<Lamination> series;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.starts_with('#'))
            continue;
        const auto parts = fields(line);
        if (parts.size() != 4 || parts[0].empty())
            throw Failure("laminations.csv, line " + std::to_string(lineNumber) +
                          ": expected name;tongue;window width;window height");
        series.push_back({std::string(parts[0]), millimetres(parts[1], lineNumber),
                          millimetres(parts[2], lineNumber), millimetres(parts[3], lineNumber)});
    }
    return series;
}

std::string laminationSeriesFile(const std::string& installedDataFolder) {
    const std::string local = "laminations.csv";
    return std::filesystem::exists(local) ? local : installedDataFolder + local;
}

std::vector<Lamination> readLaminationSeries(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    if (!file.is_open() || file.bad())
        throw Failure("cannot read the lamination series " + path);
    return parseLaminationSeries(text);
}

} // namespace navivor
