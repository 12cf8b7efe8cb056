#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/bet.h"
#include "core/green.h"
#include "core/hedge.h"
#include "core/position.h"
#include "core/settlement.h"

namespace quorvel {

// A runner of a win market: its name, the bets on it, and its best back and lay prices when
// known (on the exchange's ladder).
struct Runner {
    std::string name;
    std::vector<Bet> bets;
    std::optional<Money> back;
    std::optional<Money> lay;
};

struct MarketRequest {
    std::vector<Runner> runners;  // the whole market: exactly `winners` of them are placed
    int winners = 1;              // a win market 1, a place market 2, 3 or 4
    Green green = Green::None;
    Money rate = kDefaultCommissionRate;  // per cent, of the exchange's positive net per outcome
    std::optional<Money> minStake;        // the smallest stake the exchange takes...
    std::optional<Money> minPayout;       // ...unless stake × price reaches this
};

// What a runner's win pays, before and after the green. In a market of several winners a
// runner's figures are what its placing adds (its bets' "wins" less their "loses"), before
// (ifPlaced) and after the green (after); commission and net are the outcomes' own.
struct RunnerOutcome {
    Money ifWins;                   // the market's P/L if it wins, before any green
    Money ifPlaced;                 // several winners: what its placing adds, before any green
    std::optional<HedgeBet> hedge;  // the green's bet on this runner
    bool belowMinimum = false;      // the hedge is under the minimums: shown, not placed
    Money after;                    // if it wins, with the green's bets placed
    Money commission;               // on the exchange's positive net of that outcome
    Money net;
};

// One outcome of a market of several winners: the runners placed, what the market pays,
// the commission on its exchange part's positive net, and the net.
struct PlacedOutcome {
    std::vector<std::size_t> placed;  // in the request's order
    Money pays;
    Money commission;
    Money net;
};

struct MarketReport {
    std::vector<RunnerOutcome> runners;  // in the request's order
    // Several winners: the outcome that nets least and the one that nets most, after the green.
    std::optional<PlacedOutcome> worst, best;
    std::optional<Money> backBook;  // Σ 100 ÷ back price, per cent, to two decimals
    std::optional<Money> layBook;   // none unless every runner has the price
    GreenProblem problem = GreenProblem::None;
    std::size_t problemRunner = 0;  // the runner without the price
    bool problemPriceIsBack = false;
    Money staked;                     // by the green's placed bets
    Money lowest;                     // the smallest net over the outcomes: what the green locks in
    std::optional<Money> exactLevel;  // green best: what stakes of any size would lock in
};

// The exact profit or loss of the market if each runner wins (Σ over every runner of its bets'
// "loses", plus the winner's "wins" less its "loses", in Money, never from rounded per-runner
// figures), the books, and the green the request asks for, each stake to the cent. Commission
// is taken per outcome from the exchange bets' positive net, the green included.
//   Back A 10@4.00 and lay B 10@3.00 in A/B/C: A 40.00, B −30.00, C 0.00; green each lays A
//   11.27 @ 3.55 and backs B 10.00 @ 3.00; green best backs B 23.33 and C 15.26, locking in
//   1.3212 against an exact 1.3291.
// Overflow failures pass to the caller.
MarketReport ComputeMarket(const MarketRequest& request);

// ComputeMarket for a market of several winners N: the market pays Σ "loses" over every runner
// plus, for each runner placed, its "wins" less its "loses". Books stand against N × 100 %. A
// green levels every runner's placing at a level δ (a lay above it, a back below), so that
// every outcome pays the same: green each at δ = 0, green best at the runners' level that locks
// in most, then each stake moved by the cents that lock in more.
//   2 places, back A 20@2.50 and lay B 10@1.60 among five: outcomes 24.00, 40.00, -26.00,
//   -10.00; green each lays A 20.66 and backs B 9.76, locking in 0.85.
MarketReport ComputePlaceMarket(const MarketRequest& request);

// ", 0.0079 under the exact 1.3291" where whole cents lock in less than the exact level, else
// nothing: how far a best green is from what stakes of any size would lock in.
std::string exactShortfall(const MarketReport& report, const NumberFormat& format);

}  // namespace quorvel
