#pragma once

#include <string>

#include "core/money.h"
#include "core/number_format.h"

namespace quorvel::cli {

// Numbers for machines (JSON): never the locale's, '.' for decimals and no grouping.
const NumberFormat& plain();

// A value as shown: two decimals. shown(2.5) is "2.50".
std::string shown(Money value);

// A value as used: all four decimals, trailing zeros dropped down to two. used(2.125) is
// "2.125".
std::string used(Money value);

}  // namespace quorvel::cli
