// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1251 codec: every byte survives decoding and encoding again, and encoding gives
// each well-formed character its byte or "?", and "?" alone for malformed UTF-8.
#include "text/cp1251.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace {

// The length of the well-formed UTF-8 sequence at the start of the text, or 0: the shortest
// form only, no surrogate, nothing above U+10FFFF. Spelled out as the table of valid byte
// ranges rather than decoded, so that it shares no step with the codec.
std::size_t wellFormedLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    unsigned low = 0x80; // the range of the second byte
    unsigned high = 0xBF;
    if (lead <= 0x7F)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (lead == 0xE0)
        low = 0xA0;
    if (lead == 0xED)
        high = 0x9F;
    if (lead == 0xF0)
        low = 0x90;
    if (lead == 0xF4)
        high = 0x8F;
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

// Each character of the code page as UTF-8, to its byte: what the decoder itself gives.
const std::map<std::string, char>& codePage() {
    static const std::map<std::string, char> characters = [] {
        std::map<std::string, char> all;
        for (int b = 0; b < 256; ++b)
            all.emplace(navivor::decodeCp1251(std::string(1, static_cast<char>(b))),
                        static_cast<char>(b));
        return all;
    }();
    return characters;
}

struct Expected {
    std::string shown;           // the bytes of the well-formed characters, "?" left out
    std::size_t fewestMarks = 0; // one "?" per unmapped character and per malformed run
    std::size_t mostMarks = 0;   // one "?" per unmapped character and per malformed byte
    bool inCodePage = true;      // well-formed, and every character has its byte
};

Expected expectedEncoding(std::string_view utf8) {
    Expected expected;
    bool inMalformedRun = false;
    while (!utf8.empty()) {
        const std::size_t length = wellFormedLength(utf8);
        if (length == 0) {
            expected.inCodePage = false;
            if (!inMalformedRun)
                ++expected.fewestMarks;
            inMalformedRun = true;
            ++expected.mostMarks;
            utf8.remove_prefix(1);
            continue;
        }
        inMalformedRun = false;
        const auto found = codePage().find(std::string(utf8.substr(0, length)));
        expected.inCodePage = expected.inCodePage && found != codePage().end();
        const char encoded = found == codePage().end() ? '?' : found->second;
        if (encoded == '?') {
            ++expected.fewestMarks;
            ++expected.mostMarks;
        } else {
            expected.shown += encoded;
        }
        utf8.remove_prefix(length);
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Any file read and written again stays as it was, and is well-formed UTF-8 in between.
    const std::string decoded = navivor::decodeCp1251(bytes);
    if (navivor::encodeCp1251(decoded) != bytes)
        std::abort();
    std::size_t characters = 0;
    for (std::string_view rest = decoded; !rest.empty(); ++characters) {
        const std::size_t length = wellFormedLength(rest);
        if (length == 0)
            std::abort();
        rest.remove_prefix(length);
    }
    if (characters != size)
        std::abort();

    // The same bytes as UTF-8 text to encode.
    const std::string encoded = navivor::encodeCp1251(bytes);
    const Expected expected = expectedEncoding(bytes);
    std::string shown = encoded;
    std::erase(shown, '?');
    const auto marks = static_cast<std::size_t>(std::ranges::count(encoded, '?'));
    if (shown != expected.shown || marks < expected.fewestMarks || marks > expected.mostMarks)
        std::abort();
    // Text made only of the code page's characters survives encoding and decoding.
    if (expected.inCodePage && navivor::decodeCp1251(encoded) != bytes)
        std::abort();
    return 0;
}
