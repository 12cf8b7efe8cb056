#pragma once

#include <vector>

#include "core/market.h"

namespace quorvel {

// A runner withdrawn after bets were matched, and its reduction factor in per cent.
struct NonRunner {
    std::size_t runner;  // of the request
    Money factor;
};

// A price reduced by the non-runners' factors, to four decimals: in a win market the price
// itself, price × (1 − RF ÷ 100), a factor under 2.5 % reducing nothing; in a place market only
// the winnings, 1 + (price − 1) × (1 − RF ÷ 100), every factor counting. Several factors add.
//   6.00 in a win market, 25 %: 4.50; 6.00 in a place market, 25 %: 4.75
Money reducedPrice(Money price, const std::vector<NonRunner>& nonRunners, int winners);

// The market as it stands after the withdrawals: the non-runners gone, their bets void, and
// every bet on the others matched before them (not marked as matched after) at its reduced
// price. kept gives each remaining runner's index in the request.
struct AfterWithdrawals {
    MarketRequest request;
    std::vector<std::size_t> kept;
};
AfterWithdrawals withoutNonRunners(const MarketRequest& request,
                                   const std::vector<NonRunner>& nonRunners);

}  // namespace quorvel
