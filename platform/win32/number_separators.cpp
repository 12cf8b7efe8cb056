#include "platform/number_separators.h"

#include <windows.h>

#include <string>

#include "platform/text.h"

namespace platform {

namespace {

// One of the user's regional settings, as UTF-8, whatever its length.
std::string userSetting(LCTYPE type) {
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (length <= 1) return {};
    std::wstring setting(static_cast<std::size_t>(length), L'\0');
    ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, setting.data(), length);
    setting.resize(static_cast<std::size_t>(length - 1));
    return utf8(setting);
}

}  // namespace

NumberSeparators userNumberSeparators() {
    return {userSetting(LOCALE_SDECIMAL), userSetting(LOCALE_STHOUSAND)};
}

}  // namespace platform
