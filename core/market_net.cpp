#include "core/market_net.h"

#include "core/settlement.h"

namespace quorvel {

Money netIf(const GreenSetting& setting, std::size_t k, Money x) {
    const Money exchange = setting.exchange[k] + x;
    return setting.bookmaker[k] + exchange - commissionOn(exchange, setting.request.rate);
}

bool underMinimum(const MarketRequest& request, const HedgeBet& bet) {
    const bool underStake = request.minStake && bet.stake < *request.minStake;
    const bool paysEnough = request.minPayout && bet.stake * bet.price >= *request.minPayout;
    return underStake && !paysEnough;
}

// A back of s at p wins s × p − s; a lay loses s × p − s: the − s (or + s) is every outcome's.
Money ownPart(const MarketRequest& request, const std::optional<HedgeBet>& bet) {
    if (!bet || underMinimum(request, *bet)) return Money();
    const Money product = bet->stake * bet->price;
    return bet->side == BetSide::Back ? product : Money() - product;
}

Money cashPart(const MarketRequest& request, const std::optional<HedgeBet>& bet) {
    if (!bet || underMinimum(request, *bet)) return Money();
    return bet->side == BetSide::Lay ? bet->stake : Money() - bet->stake;
}

Money cashOf(const GreenSetting& setting, const Hedges& hedges) {
    Money cash;
    for (const auto& bet : hedges) cash = cash + cashPart(setting.request, bet);
    return cash;
}

Money lowestNet(const GreenSetting& setting, const Hedges& hedges) {
    const Money cash = cashOf(setting, hedges);
    Money lowest = Money::max();
    for (std::size_t k = 0; k < hedges.size(); ++k)
        lowest = std::min(lowest, netIf(setting, k, cash + ownPart(setting.request, hedges[k])));
    return lowest;
}

}  // namespace quorvel
