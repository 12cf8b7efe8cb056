#include "core/outcomes.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);

struct Bets {
    Money backPrice, backStake, layPrice, layStake;
};

Money resultField(const HedgeResults& results, int field) {
    for (const FieldValue& result : results)
        if (result.field == field) return result.value.roundedToCents();
    return Money();
}

Bets placedBets(HedgeMode mode, const std::array<Money, 3>& in, const HedgeResults& results) {
    switch (mode) {
        case kBetBack:
            return {in[2], resultField(results, 3), in[0], in[1]};
        case kLayBack:
            return {in[0], in[1], in[2], resultField(results, 3)};
        case kTotalFunds:
            return {in[0], resultField(results, 1), in[1], resultField(results, 3)};
    }
    return {};
}

OutcomeFigures settled(Money back, Money lay, Money commission) {
    return {back, lay, commission, back + lay - commission};
}

}  // namespace

Outcomes ComputeOutcomes(HedgeMode mode, bool singleMarket, Money backRate, Money layRate,
                         const std::array<Money, 3>& inputs, const HedgeResults& results) {
    const Bets bets = placedBets(mode, inputs, results);
    const Money cB = commissionFraction(backRate);
    const Money cL = commissionFraction(layRate);

    const Money backWins = bets.backStake * (bets.backPrice - kOne);
    const Money layWins = bets.layStake;
    const Money backLoses = Money() - bets.backStake;
    const Money layLoses = Money() - (bets.layPrice - kOne) * bets.layStake;

    if (singleMarket) {
        auto onGross = [&](Money gross) { return gross.compare(0.0) > 0 ? cB * gross : Money(); };
        return {settled(backWins, layLoses, onGross(backWins + layLoses)),
                settled(backLoses, layWins, onGross(backLoses + layWins))};
    }
    return {settled(backWins, layLoses, cB * backWins), settled(backLoses, layWins, cL * layWins)};
}

}  // namespace quorvel
