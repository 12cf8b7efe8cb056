#pragma once

#include <QLocale>
#include <string>

namespace toolkit {

// A locale's number separators, as UTF-8.
struct NumberSeparators {
    std::string decimal;
    std::string group;
};

// The separators from Qt's own locale data. The default, the user's locale, is named by LC_ALL,
// LC_NUMERIC or LANG and need not be generated on the machine: the window and quorvel-calc read
// numbers alike whatever the C library knows.
NumberSeparators numberSeparators(const QLocale& locale = QLocale());

}  // namespace toolkit
