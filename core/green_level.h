#pragma once

#include <optional>
#include <vector>

#include "core/green.h"
#include "core/int128.h"

namespace quorvel {

// Fine units: 10⁻¹² of a unit of money, 10⁸ to a Money count.
inline constexpr Int128 kFinePerCount = 100'000'000;
// 100 % as a Money count, for rates.
inline constexpr Int128 kWholeRate = 1'000'000;
// 1 ÷ price is held as 10¹² ÷ price.
inline constexpr Int128 kInverseOne = 1'000'000'000'000;

enum class Role { Alone, Back, Lay };

// The exact optimum of the lowest net after commission, stakes of any size: the level, the cash
// every outcome shares (the lays' stakes less the backs'), and how each runner is hedged.
// Every outcome pays the level: a runner left alone pins it through the cash; each other one
// is backed or laid until its own outcome reaches it. The lowest net is concave in the hedge,
// so the best has one runner alone, and its level is the root of a decreasing function.
struct ExactLevel {
    Int128 level;  // fine units
    Int128 cash;
    std::vector<Role> roles;
    std::vector<Int128> stakes;  // fine units, none for a runner alone
};

// Nothing when the books are an arbitrage (no level is the best).
std::optional<ExactLevel> FindExactLevel(const GreenSetting& setting);

// 10¹² ÷ price, rounded up or down.
Int128 inverseOf(Money price, bool up);

}  // namespace quorvel
