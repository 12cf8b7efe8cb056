#pragma once

#include "core/money.h"
#include "core/money_ratio.h"
#include "core/settlement.h"

namespace quorvel {

// What the hedge aims at: both nets equal (a green-up), a percentage of that stake, or one
// outcome's net brought to nothing lost.
enum class HedgeTarget { Equal, Percent, WinsZero, LosesZero };

// A position as a hedge at price sees it: the bookmaker's part of each outcome, which the hedge
// leaves alone, and the exchange's part, which it moves and on whose positive value the
// exchange takes rate per cent.
struct HedgeSetting {
    OutcomePair bookmaker;
    OutcomePair exchange;
    Money price;
    Money rate;
};

// The signed stake at the setting's price that the target asks for, positive for a lay:
// solved exactly on the nets after commission (each a piecewise-linear function of the
// stake), then rounded once to cents as rounding says. exactlyZero tells a position that
// already is what the target asks for from one whose stake only rounds to nothing.
//   bookmaker 40/0 (a free bet of 10 at 5), price 5.20, rate 5: lay 7.7669... ->
//   hedgeStake(setting, HedgeTarget::Equal, 100, Rounding::Nearest) is 7.77
// Overflow failures pass to the caller.
struct SolvedStake {
    Money stake;
    bool exactlyZero = false;
};
SolvedStake hedgeStake(const HedgeSetting& setting, HedgeTarget target, Money percent,
                       Rounding rounding);

}  // namespace quorvel
