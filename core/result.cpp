#include "core/result.h"

#include <algorithm>

#include "core/money_ratio.h"

namespace quorvel {

Settled SettleMarket(const MarketRequest& request, const MarketResult& result) {
    const auto has = [](const std::vector<std::size_t>& list, std::size_t i) {
        return std::find(list.begin(), list.end(), i) != list.end();
    };
    const auto placesLeft = static_cast<std::int64_t>(request.winners) -
                            static_cast<std::int64_t>(result.placed.size());
    const auto tied = static_cast<std::int64_t>(result.deadHeat.size());
    Settled s;
    Money bookmaker;
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        Money paid;
        for (const Bet& bet : request.runners[i].bets) {
            const OutcomePair p = pays(bet);
            Money part = has(result.placed, i) ? p.wins : p.loses;
            if (has(result.deadHeat, i) && tied > 0)
                part = p.loses + mulDivRounded(p.wins - p.loses, Money::fromCount(placesLeft),
                                               Money::fromCount(tied), Money::fromCount(1));
            paid = paid + part;
            Money& venue = bet.info().venue == Venue::Bookmaker ? bookmaker : s.exchange;
            venue = venue + part;
        }
        s.paid.push_back(paid);
    }
    s.commission = commissionOn(s.exchange, request.rate);
    s.net = s.exchange + bookmaker - s.commission;
    return s;
}

}  // namespace quorvel
