#pragma once

#include "number_format.h"

namespace quorvel::cli {

// The number separators of the user's locale (LC_ALL, LC_NUMERIC, LANG), as the C library
// reads them. The C/POSIX locale, which names no grouping, reads as point and comma.
NumberFormat localeNumberFormat();

}  // namespace quorvel::cli
