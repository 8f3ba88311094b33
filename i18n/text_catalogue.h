// The built-in Russian texts that the program looks up in a language file by section and
// key: the report and message texts of [Messages] and the [MainForm] texts set by fixed code.
#pragma once

#include <string_view>

namespace navivor {

// The built-in text of a key; an unknown key gives the empty text.
std::string_view builtInText(std::string_view section, std::string_view key);

} // namespace navivor
