// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/failure.h"

namespace navivor {

std::string withClosingFullStop(std::string message) {
    // Every byte of a multi-byte UTF-8 character is above '.', as is every non-ASCII
    // character of the 8-bit code page the messages come from.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

} // namespace navivor
