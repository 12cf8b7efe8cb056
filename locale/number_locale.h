#pragma once

#include <string>

#include "core/number_format.h"

namespace quorvel {

// A locale's number separators, as UTF-8.
struct NumberSeparators {
    std::string decimal;
    std::string group;
};

// The user's separators. On Linux from Qt's own locale data for the locale that LC_ALL,
// LC_NUMERIC or LANG names, which need not be generated on the machine; on Windows from the
// user's regional settings. The window and quorvel-calc read numbers alike.
NumberSeparators userNumberSeparators();

// The same as the calculation core takes them; the point and the comma for separators that
// numbers cannot be read with (a locale with no grouping, or equal ones).
NumberFormat userNumberFormat();

}  // namespace quorvel
