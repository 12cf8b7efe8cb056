#pragma once

#include "core/int128.h"
#include "core/money.h"

namespace quorvel {

// a × b ÷ c in exact integer arithmetic, rounded once to a whole number of unit: no floating
// point, no rounding on the way.
//   mulDivRounded(Money::fromWhole(44), one, Money::fromCount(25000), cent)  // 17.60
// A zero c is a division failure; a result beyond the range an overflow failure.
Money mulDivRounded(Money a, Money b, Money c, Money unit, Rounding rounding = Rounding::Nearest);

// One cent, the unit an exchange takes stakes in.
inline constexpr Money kCent = Money::fromCount(100);

}  // namespace quorvel
