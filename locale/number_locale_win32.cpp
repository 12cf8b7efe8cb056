#include <windows.h>

#include <string>

#include "locale/number_locale.h"

namespace quorvel {

namespace {

// One of the user's regional settings, as UTF-8.
std::string userSetting(LCTYPE type) {
    wchar_t wide[16] = {};
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, wide, 16);
    if (length <= 1) return {};
    char utf8[64] = {};
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, utf8, sizeof utf8, nullptr, nullptr);
    return std::string(utf8, static_cast<std::size_t>(bytes > 0 ? bytes : 0));
}

}  // namespace

NumberSeparators userNumberSeparators() {
    return {userSetting(LOCALE_SDECIMAL), userSetting(LOCALE_STHOUSAND)};
}

}  // namespace quorvel
