// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/visible_text.h"

namespace navivor {

void appendUtf8(std::string& text, char32_t code) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (code < 0x80) {
        text += byte(code);
    } else if (code < 0x800) {
        text += {byte(0xC0 | code >> 6), byte(0x80 | (code & 0x3F))};
    } else if (code < 0x10000) {
        text +=
            {byte(0xE0 | code >> 12), byte(0x80 | (code >> 6 & 0x3F)), byte(0x80 | (code & 0x3F))};
    } else {
        text += {byte(0xF0 | code >> 18), byte(0x80 | (code >> 12 & 0x3F)),
                 byte(0x80 | (code >> 6 & 0x3F)), byte(0x80 | (code & 0x3F))};
    }
}

std::size_t utf8SequenceLength(std::string_view text, std::size_t pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byteAt(pos);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byteAt(pos + i) & 0xC0) != 0x80)
            return 0;
    const unsigned second = length > 1 ? byteAt(pos + 1) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

std::string visibleText(std::string_view text) {
    constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    // What is shown as it is goes over in runs, not a character at a time: a report is
    // almost all such text.
    std::size_t runStart = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if ((lead >= 0x20 && lead != 0x7F && lead < 0x80) || lead == '\t') {
            ++pos;
            continue;
        }
        // Two-byte letters past the C1 controls, the Cyrillic ones of the reports among them.
        if (lead >= 0xC3 && lead <= 0xDF && pos + 1 < text.size() &&
            (static_cast<unsigned char>(text[pos + 1]) & 0xC0) == 0x80) {
            pos += 2;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, pos);
        // The other ASCII bytes are C0 controls and DEL; C1 controls are U+0080 to U+009F,
        // C2 80 to C2 9F.
        const bool control = lead < 0x80 || (length == 2 && lead == 0xC2 &&
                                             static_cast<unsigned char>(text[pos + 1]) < 0xA0);
        if (length != 0 && !control) {
            pos += length;
            continue;
        }
        shown.append(text.substr(runStart, pos - runStart));
        const std::size_t escaped = length == 0 ? 1 : length;
        for (const char c : text.substr(pos, escaped)) {
            const auto byte = static_cast<unsigned char>(c);
            shown += {'\\', 'x', hexDigits[byte >> 4], hexDigits[byte & 0xF]};
        }
        pos += escaped;
        runStart = pos;
    }
    shown.append(text.substr(runStart));
    return shown;
}

} // namespace navivor
