#pragma once

#include <vector>

#include "core/market.h"

namespace quorvel {

// A market's result: the runners placed outright, and those tied (a dead heat) for the places
// left. In a win market a dead heat for the win leaves one place to the runners tied.
struct MarketResult {
    std::vector<std::size_t> placed;    // runners of the request, by index
    std::vector<std::size_t> deadHeat;  // tied for the places left
};

// What the bets paid: each runner's, the exchange's commission on the market's positive net of
// its bets, and the net.
struct Settled {
    std::vector<Money> paid;  // each runner's bets, by the request's order
    Money exchange;           // the exchange bets' part, before commission
    Money commission;
    Money net;
};

// The exchange's rule for a dead heat: a bet on a runner tied with others for the places left
// is settled on its stake × (places left ÷ runners tied) as a winner and the rest of its stake
// as a loser; so it pays that share of what it pays placed, and the rest of what it pays
// unplaced, to four decimals.
//   3 places, two placed outright, a lay of 2.00 @ 1.87 on a runner tied with one other for the
//   third: half placed (-0.87), half not (+1.00): +0.13.
// The result must name no runner twice, no more placed than the winners, and a dead heat of
// more runners than the places left; overflow failures pass to the caller.
Settled SettleMarket(const MarketRequest& request, const MarketResult& result);

}  // namespace quorvel
