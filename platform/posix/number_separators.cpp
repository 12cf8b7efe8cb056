#include "platform/number_separators.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

namespace platform {

namespace {

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace

NumberSeparators userNumberSeparators() {
    // A locale object of its own, read from the environment: the process's global locale,
    // which setlocale would change for everyone, stays as it is.
    const locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", locale_t{});
    if (numeric == locale_t{}) return {".", ","};
    NumberSeparators separators{::nl_langinfo_l(RADIXCHAR, numeric),
                                ::nl_langinfo_l(THOUSEP, numeric)};
    ::freelocale(numeric);
    if (!isUtf8(separators.decimal) || !isUtf8(separators.group)) return {".", ","};
    // A locale that groups no digits (C, POSIX) has the separator that usually stands beside
    // its decimal one, as every locale of the window's toolkit has one.
    if (separators.group.empty()) separators.group.assign(1, separators.decimal == "," ? '.' : ',');
    return separators;
}

}  // namespace platform
