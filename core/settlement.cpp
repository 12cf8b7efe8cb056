#include "core/settlement.h"

#include "core/money_ratio.h"

namespace quorvel {

OutcomePair pays(const Bet& bet) {
    const BetKindInfo& info = bet.info();
    const Money one = Money::fromWhole(1);
    const Money winnings =
        bet.stake * (info.stake == StakeKind::FreeReturned ? bet.price : bet.price - one);
    const Money lost = info.stake == StakeKind::Cash ? bet.stake : Money();
    if (info.side == BetSide::Lay) return {Money() - winnings, lost};
    return {winnings, Money() - lost};
}

Money commissionOn(Money exchangeNet, Money rate) {
    return exchangeNet.compare(0.0) > 0
               ? mulDivRounded(exchangeNet, rate, Money::fromWhole(100), kCent)
               : Money();
}

}  // namespace quorvel
