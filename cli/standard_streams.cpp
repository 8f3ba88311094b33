// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/standard_streams.h"

#include "text/visible_text.h"

#include <cerrno>
#include <cstdio>

namespace navivor::cli {

void StandardOutput::write(std::string_view bytes) {
    if (error_ == 0 && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        keepError();
}

void StandardOutput::flush() {
    if (error_ == 0 && std::fflush(stdout) != 0)
        keepError();
}

int StandardOutput::close() {
    if (std::fflush(stdout) != 0)
        keepError();
    if (std::fclose(stdout) != 0)
        keepError();
    return error_;
}

void StandardOutput::keepError() {
    if (error_ == 0)
        error_ = errno != 0 ? errno : EIO;
}

void printMessage(const std::string& line) {
    std::fputs((visibleText(line) + "\n").c_str(), stderr);
}

} // namespace navivor::cli
