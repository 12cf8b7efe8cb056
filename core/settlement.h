#pragma once

#include "core/bet.h"
#include "core/money.h"

namespace quorvel {

// A figure for each way a selection finishes.
struct OutcomePair {
    Money wins;
    Money loses;

    friend constexpr bool operator==(const OutcomePair&, const OutcomePair&) = default;
    friend OutcomePair operator+(OutcomePair a, OutcomePair b) {
        return {a.wins + b.wins, a.loses + b.loses};
    }
};

// What a bet pays if its selection wins and if it loses, by its kind: a back wins
// stake × (price − 1) or loses its stake, a lay the reverse, a free bet (SNR) loses nothing, a
// free bet SR wins stake × price.
//   pays(Bet{BetKind::Back, 3.00, 10})  // wins 20, loses −10
OutcomePair pays(const Bet& bet);

// The exchange's commission at rate per cent on a positive net of exchange bets, to the cent;
// nothing on a loss.
Money commissionOn(Money exchangeNet, Money rate);

}  // namespace quorvel
