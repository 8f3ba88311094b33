// SPDX-License-Identifier: GPL-3.0-or-later
// One line of navivor-calc's batch input: any bytes either read as an object of strings,
// lists of strings and true, each string well-formed UTF-8 without U+0000 and no key twice,
// which written back as JSON reads as the same members; or raise MalformedLine. Nothing else.
#include "cli/json_line.h"
#include "text/visible_text.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using navivor::cli::JsonLineMember;
using navivor::cli::JsonLineValue;

bool isCleanText(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = navivor::utf8SequenceLength(text, pos);
        if (length == 0 || text[pos] == '\0')
            return false;
        pos += length;
    }
    return true;
}

// A JSON string that escapes no more than it must.
std::string written(std::string_view text) {
    constexpr char hexDigits[] = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            json += {'\\', c};
        else if (byte < 0x20)
            json += {'\\', 'u', '0', '0', hexDigits[byte >> 4], hexDigits[byte & 0xF]};
        else
            json += c;
    }
    return json + '"';
}

std::string written(const std::vector<JsonLineMember>& members) {
    std::string json = "{";
    for (const JsonLineMember& member : members) {
        json += (json.size() > 1 ? "," : "") + written(member.key) + ":";
        const std::vector<std::string>& strings = member.value.strings;
        switch (member.value.type) {
        case JsonLineValue::Type::String:
            json += written(strings.at(0));
            break;
        case JsonLineValue::Type::List:
            json += "[";
            for (std::size_t k = 0; k < strings.size(); ++k)
                json += (k > 0 ? "," : "") + written(strings[k]);
            json += "]";
            break;
        case JsonLineValue::Type::True:
            json += "true";
            break;
        }
    }
    return json + "}";
}

bool same(const std::vector<JsonLineMember>& a, const std::vector<JsonLineMember>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].key != b[k].key || a[k].value.type != b[k].value.type ||
            a[k].value.strings != b[k].value.strings)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<JsonLineMember> members;
    try {
        members = navivor::cli::readJsonLine({reinterpret_cast<const char*>(data), size});
    } catch (const navivor::cli::MalformedLine&) {
        return 0; // the one failure a line may give
    }
    std::set<std::string> keys;
    for (const JsonLineMember& member : members) {
        const std::vector<std::string>& strings = member.value.strings;
        const std::size_t expected = member.value.type == JsonLineValue::Type::String ? 1 : 0;
        if (!keys.insert(member.key).second || !isCleanText(member.key) ||
            (member.value.type != JsonLineValue::Type::List && strings.size() != expected))
            std::abort();
        for (const std::string& text : strings)
            if (!isCleanText(text))
                std::abort();
    }
    if (!same(navivor::cli::readJsonLine(written(members)), members))
        std::abort();
    return 0;
}
