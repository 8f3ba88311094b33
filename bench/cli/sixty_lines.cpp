// SPDX-License-Identifier: GPL-3.0-or-later
// The least a C++ command-line program costs: it starts, prints 60 lines and ends. The
// per-process cost of navivor-calc is measured against it (process_cost_benchmark.py).
#include <iostream>

int main() {
    for (int line = 1; line <= 60; ++line)
        std::cout << "Line " << line << " of a report of about the worked example's length\r\n";
    return 0;
}
