#pragma once

#include <optional>
#include <vector>

#include "core/bet.h"
#include "core/hedge.h"
#include "core/money.h"

namespace quorvel {

// The bets of one side: their matched stake, Σ stake × price, and the average price to the
// cent, which is shown only: every result uses the exact sums.
struct SideTotals {
    Money stake;
    Money stakeTimesPrice;
    Money averagePrice;  // zero without a stake
};

// A figure for each way the selection finishes.
struct OutcomePair {
    Money wins;
    Money loses;

    friend constexpr bool operator==(const OutcomePair&, const OutcomePair&) = default;
};

// What the hedge aims at: both outcomes equal (a green-up), a percentage of that stake, or one
// outcome brought to nothing lost (zero, or less than a cent's worth above it).
enum class HedgeTarget { Equal, Percent, WinsZero, LosesZero };

// The one bet at the current price that hedges the position.
struct HedgeBet {
    BetSide side = BetSide::Lay;
    Money price;
    Money stake;  // to the cent, as an exchange takes it
};

// A position and what to do with it, typed as HedgeRequest is for one hedge.
struct PositionRequest {
    std::vector<Bet> bets;
    std::optional<Money> price;  // the current price to hedge at; none: the position only
    HedgeTarget target = HedgeTarget::Equal;
    Money percent = Money::fromWhole(100);  // of the equal stake, for HedgeTarget::Percent
    Money rate = kDefaultCommissionRate;    // per cent, of a positive net, taken once
    std::optional<Money> minStake;          // the smallest stake the exchange takes
};

struct PositionReport {
    SideTotals backs;  // free bets among them
    SideTotals lays;
    OutcomePair before;             // profit or loss of the bets as they stand
    std::optional<HedgeBet> hedge;  // none without a price, or when the stake rounds to 0
    bool belowMinimum = false;      // the hedge is under minStake: reported, not placed
    OutcomePair after;              // with the hedge placed at its rounded stake
    OutcomePair commission;         // on a positive after, at the rate
    OutcomePair net;                // after less commission
};

// The exact profit or loss of the position each way, with Money only, and the hedge the
// request asks for at the current price: for a position that wins W and loses L (a loss
// negative), a lay of (W − L) ÷ price evens it (a back when that is negative), which is
// Σ back stake × price − Σ lay stake × price over the price, a free bet counting its
// stake × (price − 1). Overflow failures pass to the caller.
PositionReport ComputePosition(const PositionRequest& request);

}  // namespace quorvel
