#include "decimal_separator.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace navivor {
namespace {

std::string& separatorStorage() {
    static std::string separator = localeDecimalSeparator();
    return separator;
}

} // namespace

const std::string& decimalSeparator() {
    return separatorStorage();
}

void setDecimalSeparator(std::string_view separator) {
    separatorStorage() = isSingleCharacter(separator) ? std::string(separator) : ".";
}

std::string localeDecimalSeparator() {
    locale_t userLocale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (userLocale == static_cast<locale_t>(nullptr))
        return ".";
    std::string symbol = nl_langinfo_l(RADIXCHAR, userLocale);
    freelocale(userLocale);
    return isSingleCharacter(symbol) ? symbol : ".";
}

bool isSingleCharacter(std::string_view text) {
    if (text.empty())
        return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    else if (lead >= 0x80)
        return false; // a continuation byte cannot start a character
    if (text.size() != length)
        return false;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return false;
    return true;
}

} // namespace navivor
