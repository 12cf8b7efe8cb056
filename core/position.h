#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/bet.h"
#include "core/hedge.h"
#include "core/hedge_stake.h"
#include "core/money.h"

namespace quorvel {

// The highest commission rate a position takes, per cent: exchanges' rates vary by market and
// country.
inline constexpr Money kHighestPositionRate = Money::fromWhole(10);

// The bets of one kind: their matched stake, Σ stake × price, and the average price to the
// cent, which is shown only: every result uses the exact sums.
struct SideTotals {
    Money stake;
    Money stakeTimesPrice;
    Money averagePrice;  // zero without a stake
};

// The one bet at the current price that hedges the position, always at the exchange.
struct HedgeBet {
    BetSide side = BetSide::Lay;
    Money price;
    Money stake;  // to the cent, as an exchange takes it

    // What a lay risks; for a back, its stake.
    Money liability() const;
    // As a trader writes it: "Lay 11.27 @ 3.55".
    std::string text(const NumberFormat& format) const;
};

// A position and what to do with it, typed as HedgeRequest is for one hedge.
struct PositionRequest {
    std::vector<Bet> bets;
    std::optional<Money> price;  // the current price to hedge at; none: the position only
    HedgeTarget target = HedgeTarget::Equal;
    Money percent = Money::fromWhole(100);  // of the equal stake, for HedgeTarget::Percent
    Money rate = kDefaultCommissionRate;    // per cent, of the exchange's positive net
    std::optional<Money> minStake;          // the smallest stake the exchange takes...
    std::optional<Money> minPayout;         // ...unless stake × price reaches this
};

// Why a position with a price gets no hedge.
enum class NoHedgeReason {
    Even,             // the nets are already equal
    Reached,          // the outcome aimed at loses nothing, and a cent more would lose
    RoundsToNothing,  // the stake asked for is under half a cent
    NotNarrowing,     // to the cent, it would not bring the nets closer
};

struct PositionReport {
    std::array<SideTotals, kBetKindCount> totals;  // by kind, in kBetKinds' order
    OutcomePair before;                            // profit or loss of the bets as they stand
    std::optional<HedgeBet> hedge;                 // none without a price, or for a reason:
    std::optional<NoHedgeReason> noHedge;
    bool belowMinimum = false;  // the hedge is under the minimums: reported, not placed
    OutcomePair bookmaker;      // the bookmaker bets' part, commission-free
    OutcomePair exchange;       // the exchange bets' part, with the hedge when placed
    OutcomePair after;          // bookmaker + exchange
    OutcomePair commission;     // on a positive exchange part, at the rate
    OutcomePair net;            // after less commission

    const SideTotals& of(BetKind kind) const { return totals[static_cast<std::size_t>(kind)]; }
    bool hasBookmakerBets() const;
};

// The exact profit or loss of the position each way, with Money only, and the hedge the
// request asks for at the current price, solved on the nets after commission: the exchange
// takes its rate per outcome from the positive net of the exchange bets alone, the hedge
// included, and bookmakers take none. A free bet of 10 at 5 laid at 5.20 is levelled by a lay
// of 7.77, netting 7.37 if it wins and 7.38 if it loses. Overflow failures pass to the caller.
PositionReport ComputePosition(const PositionRequest& request);

}  // namespace quorvel
