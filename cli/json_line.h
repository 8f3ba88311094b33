// SPDX-License-Identifier: GPL-3.0-or-later
// One line of navivor-calc's batch input: a JSON object whose values are strings, lists of
// strings or true, and nothing else. The reader is strict, and never recurses, so that no
// line can make it crash, loop or take more than a pass over the bytes.
#pragma once

#include "cli/command_line.h"

#include <string>
#include <string_view>
#include <vector>

namespace navivor::cli {

struct JsonLineValue {
    enum class Type { String, List, True };
    Type type;
    std::vector<std::string> strings; // the string, the list's strings, or none for true
};

struct JsonLineMember {
    std::string key;
    JsonLineValue value;
};

// A line that is no such object: the message says what is wrong and at which byte.
struct MalformedLine : UsageError {
    using UsageError::UsageError;
};

// The members in the order of the line. Blanks (space, tab, CR, LF) may stand between the
// parts; every key and string is well-formed UTF-8 after its escapes are read, holds no
// U+0000 (no command-line argument can), and no key comes twice. Raises MalformedLine.
std::vector<JsonLineMember> readJsonLine(std::string_view line);

} // namespace navivor::cli
