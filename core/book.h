#pragma once

#include <compare>
#include <vector>

#include "core/money.h"

namespace quorvel {

// A book, Σ 100 ÷ price, in per cent to two decimals: exactly, an exact half away from zero
// (12, 1.50 and 800 make 75.125 %, shown 75.13). Nothing is rounded before the last step.
Money bookPercent(const std::vector<Money>& prices);

// The book exactly against 100 %: 2.10, 3.50 and 4.20 make exactly 100.
std::strong_ordering bookAgainstHundred(const std::vector<Money>& prices);

}  // namespace quorvel
