#include "core/outcomes.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);

struct Bets {
    Money backPrice, backStake, layPrice, layStake;
};

// A price or stake of the bets as placed, by what its field holds: an input as given, or a
// result as shown, to the cent.
Money placed(HedgeMode mode, Quantity quantity, const std::array<Money, 3>& inputs,
             const HedgeResults& results) {
    const ModeDescriptor& d = modeDescriptor(mode);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (d.fields[static_cast<std::size_t>(d.order.inputs[i])].quantity == quantity)
            return inputs[i];
    for (const FieldValue& result : results)
        if (d.fields[static_cast<std::size_t>(result.field)].quantity == quantity)
            return result.value.roundedToCents();
    return Money();
}

Bets placedBets(HedgeMode mode, const std::array<Money, 3>& in, const HedgeResults& results) {
    return {placed(mode, Quantity::BackPrice, in, results),
            placed(mode, Quantity::BackStake, in, results),
            placed(mode, Quantity::LayPrice, in, results),
            placed(mode, Quantity::LayStake, in, results)};
}

OutcomeFigures settled(Money back, Money lay, Money commission) {
    return {back, lay, commission, back + lay - commission};
}

}  // namespace

Outcomes ComputeOutcomes(const HedgeRequest& request, const HedgeResults& results) {
    const Bets bets = placedBets(request.mode, request.inputs, results);
    const Money cB = commissionFraction(request.backRate);
    const Money cL = commissionFraction(request.layRate);

    const Money backWins = bets.backStake * (bets.backPrice - kOne);
    const Money layWins = bets.layStake;
    const Money backLoses = Money() - bets.backStake;
    const Money layLoses = Money() - (bets.layPrice - kOne) * bets.layStake;

    if (request.singleMarket()) {
        auto onGross = [&](Money gross) { return gross.compare(0.0) > 0 ? cB * gross : Money(); };
        return {settled(backWins, layLoses, onGross(backWins + layLoses)),
                settled(backLoses, layWins, onGross(backLoses + layWins))};
    }
    return {settled(backWins, layLoses, cB * backWins), settled(backLoses, layWins, cL * layWins)};
}

}  // namespace quorvel
