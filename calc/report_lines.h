// What a calculation did to the report: whether it cleared it first, and the lines it
// appended in order. On a failure it holds what was done up to that point.
#pragma once

#include <string>
#include <vector>

namespace navivor {

struct ReportLines {
    bool cleared = false;
    std::vector<std::string> lines;

    void clear() {
        cleared = true;
        lines.clear();
    }
    void append(std::string line) { lines.push_back(std::move(line)); }
};

} // namespace navivor
