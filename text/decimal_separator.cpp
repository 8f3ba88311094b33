// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/decimal_separator.h"

#include "text/cp1251.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <optional>

namespace navivor {
namespace {

// The locale's separator is read only when no other was set first: reading it opens the
// locale's files.
std::optional<std::string>& separatorStorage() {
    static std::optional<std::string> separator;
    return separator;
}

// The code point when the text is exactly one well-formed UTF-8 sequence: the shortest
// form, no surrogate, nothing above U+10FFFF. Anything looser would let a separator
// decode differently in whatever reads the report.
std::optional<char32_t> soleCodePoint(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    char32_t codePoint = lead;
    char32_t shortestFrom = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1Fu;
        shortestFrom = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0Fu;
        shortestFrom = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07u;
        shortestFrom = 0x10000;
    } else if (lead >= 0x80) {
        return std::nullopt; // a continuation byte or no UTF-8 lead at all
    }
    if (text.size() != length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80)
            return std::nullopt;
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    if (codePoint < shortestFrom || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return std::nullopt;
    return codePoint;
}

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// Characters that would break or hide the text around them in a report line: controls,
// blanks, marks that combine with the digit before them, invisible format characters and
// noncharacters. Noncharacters at the end of every plane are tested apart.
constexpr CodePointRange kUnfitCharacters[] = {
    {0x0000, 0x0020}, // C0 controls and the space
    {0x007F, 0x00A0}, // DEL, C1 controls and the no-break space
    {0x00AD, 0x00AD}, // soft hyphen
    {0x0300, 0x036F}, // combining diacritical marks
    {0x1680, 0x1680}, // ogham space mark
    {0x1AB0, 0x1AFF}, // combining diacritical marks extended
    {0x1DC0, 0x1DFF}, // combining diacritical marks supplement
    {0x2000, 0x200F}, // spaces of set widths, zero-width characters, direction marks
    {0x2028, 0x202F}, // line and paragraph separators, embeddings, narrow no-break space
    {0x205F, 0x206F}, // medium mathematical space, invisible operators, isolates
    {0x20D0, 0x20FF}, // combining marks for symbols
    {0x3000, 0x3000}, // ideographic space
    {0xFDD0, 0xFDEF}, // noncharacters
    {0xFE00, 0xFE0F}, // variation selectors
    {0xFE20, 0xFE2F}, // combining half marks
    {0xFEFF, 0xFEFF}, // zero-width no-break space, the byte order mark
};

bool isUnfitCharacter(char32_t codePoint) {
    if ((codePoint & 0xFFFE) == 0xFFFE)
        return true;
    return std::ranges::any_of(kUnfitCharacters, [codePoint](const CodePointRange& range) {
        return range.first <= codePoint && codePoint <= range.last;
    });
}

// The locale the C library takes for numbers: the first of LC_ALL, LC_NUMERIC and LANG that
// is set and not empty; the C locale when none is.
std::string_view numericLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return value;
    return "C";
}

// The C locale writes the full stop by definition, and so does C.UTF-8, the C library's own
// C locale in UTF-8, unless LOCPATH may hold another of that name. Knowing so spares reading
// the locale's files, which costs a short run of navivor-calc more than its report.
bool namesTheCLocale(std::string_view name) {
    return name == "C" || name == "POSIX" ||
           ((name == "C.UTF-8" || name == "C.utf8") && std::getenv("LOCPATH") == nullptr);
}

} // namespace

const std::string& decimalSeparator() {
    std::optional<std::string>& separator = separatorStorage();
    if (!separator)
        separator = localeDecimalSeparator();
    return *separator;
}

void setDecimalSeparator(std::string_view separator) {
    separatorStorage() = isValidDecimalSeparator(separator) ? std::string(separator) : ".";
}

std::string localeDecimalSeparator() {
    if (namesTheCLocale(numericLocaleName()))
        return ".";
    locale_t userLocale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (userLocale == static_cast<locale_t>(nullptr))
        return ".";
    std::string symbol = nl_langinfo_l(RADIXCHAR, userLocale);
    freelocale(userLocale);
    return isValidDecimalSeparator(symbol) && isCp1251Character(symbol) ? symbol : ".";
}

bool isCp1251Character(std::string_view text) {
    const std::string encoded = encodeCp1251(text);
    return encoded.size() == 1 && decodeCp1251(encoded) == text;
}

bool isValidDecimalSeparator(std::string_view text) {
    const std::optional<char32_t> codePoint = soleCodePoint(text);
    if (!codePoint || isUnfitCharacter(*codePoint))
        return false;
    // Digits, signs and the exponent letter would make number texts ambiguous.
    constexpr std::string_view partsOfNumbers = "0123456789+-eE";
    return *codePoint >= 0x80 ||
           partsOfNumbers.find(static_cast<char>(*codePoint)) == std::string_view::npos;
}

} // namespace navivor
