#pragma once

#include <string>

namespace platform {

// A locale's number separators, as UTF-8: {",", "."} for de_DE, {".", ","} for C.
struct NumberSeparators {
    std::string decimal;
    std::string group;
};

// The user's separators as the system keeps them: on POSIX systems those of the locale that
// LC_ALL, LC_NUMERIC or LANG names (the C locale's where it is not installed, or where its
// separators are not UTF-8), with a group separator also where the locale groups no digits;
// on Windows the user's regional settings.
NumberSeparators userNumberSeparators();

}  // namespace platform
