#pragma once

#include "core/int128.h"

#include <compare>
#include <cstdint>
#include <vector>

namespace quorvel {

// A fraction of whole numbers, such as 10⁶ ÷ a price's count.
struct Fraction {
    UInt128 numerator;
    UInt128 denominator;  // above zero
};

// The exact order of Σ terms against numerator ÷ denominator, however many terms: no rounded
// quotient on the way, so a sum that is exactly a half or exactly 100 % is known to be so.
//   compareSum({{1, 3}, {2, 3}}, {1, 1})  // equal: 1/3 + 2/3 is 1
// A zero denominator anywhere is a division failure.
std::strong_ordering compareSum(const std::vector<Fraction>& terms, Fraction value);

}  // namespace quorvel
