// SPDX-License-Identifier: GPL-3.0-or-later
// Texts typed by a user or read from a file on their way to a terminal or a message: whatever
// they hold is shown, never obeyed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace navivor {

// The length of the well-formed UTF-8 sequence at pos, or 0 when the byte there starts none
// (overlong forms, surrogates and code points beyond U+10FFFF included).
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

// The code point, at most U+10FFFF, appended to the text in UTF-8.
void appendUtf8(std::string& text, char32_t code);

// The text with each control character but the tab (C0, DEL, C1) and each byte that is no
// part of well-formed UTF-8 written as \xNN, byte by byte; everything else as it is.
std::string visibleText(std::string_view text);

} // namespace navivor
