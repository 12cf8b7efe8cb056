#include <array>
#include <utility>

#include "core/green.h"
#include "core/market.h"
#include "core/market_net.h"
#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);

std::optional<HedgeBet> betOf(BetSide side, Money price, Money stake) {
    if (stake.isZero()) return std::nullopt;
    return HedgeBet{side, price, stake};
}

// The lowest net over every runner but one, for the nearest hedges with every outcome's cash moved
// by −1, 0 or +1 cent (which is all a runner's other cent can move it by).
class LowestButOne {
  public:
    LowestButOne(const GreenSetting& setting, const Hedges& hedges) {
        const Money cash = cashOf(setting, hedges);
        for (std::size_t d = 0; d < 3; ++d) {
            lowest_[d].fill({Money::max(), hedges.size()});  // a lone runner has nothing apart
            const Money moved =
                cash + Money::fromCount((static_cast<std::int64_t>(d) - 1) * kCent.count());
            for (std::size_t k = 0; k < hedges.size(); ++k) {
                const Money net = netIf(setting, k, moved + ownPart(setting.request, hedges[k]));
                if (net < lowest_[d][0].first) {
                    lowest_[d][1] = lowest_[d][0];
                    lowest_[d][0] = {net, k};
                } else if (net < lowest_[d][1].first) {
                    lowest_[d][1] = {net, k};
                }
            }
        }
    }
    Money apart(std::size_t k, Money moved) const {
        const auto& two = lowest_[static_cast<std::size_t>(moved.count() / kCent.count() + 1)];
        return two[0].second == k ? two[1].first : two[0].first;
    }

  private:
    std::array<std::array<std::pair<Money, std::size_t>, 2>, 3> lowest_;
};

// Each runner's cent is chosen with every other runner at its nearest, so that the choice does
// not depend on the order of the runners.
void chooseCents(const GreenSetting& setting,
                 const std::vector<std::array<std::optional<HedgeBet>, 2>>& around,
                 Hedges& hedges) {
    const Hedges nearest = hedges;
    const LowestButOne others(setting, nearest);
    const MarketRequest& request = setting.request;
    const Money cash = cashOf(setting, nearest);
    auto lowestWith = [&](std::size_t i, const std::optional<HedgeBet>& bet) {
        const Money moved = cashPart(request, bet) - cashPart(request, nearest[i]);
        const Money own = netIf(setting, i, cash + moved + ownPart(request, bet));
        return std::min(own, others.apart(i, moved));
    };
    for (std::size_t i = 0; i < nearest.size(); ++i) {
        Money best = lowestWith(i, nearest[i]);
        if (!around[i][0] && !around[i][1]) continue;
        for (const auto& choice : around[i]) {
            const Money lowest = lowestWith(i, choice);
            if (lowest > best) {
                best = lowest;
                hedges[i] = choice;
            }
        }
    }
    // Choices made apart can undo each other: together they must not lock in less.
    if (lowestNet(setting, hedges) < lowestNet(setting, nearest)) hedges = nearest;
}

}  // namespace

GreenResult GreenEach(const GreenSetting& setting) {
    const MarketRequest& request = setting.request;
    GreenResult result;
    result.hedges.resize(request.runners.size());
    // Each runner's exact stake (a lay for a win worth more than a loss, a back for the reverse),
    // first to the nearest cent, with the cent on either side of it.
    std::vector<std::array<std::optional<HedgeBet>, 2>> around(request.runners.size());
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        const Runner& r = request.runners[i];
        const Money spread = setting.spread[i];
        if (r.bets.empty() || spread.isZero()) continue;
        const bool lay = spread > Money();
        const std::optional<Money> price = lay ? r.lay : r.back;
        if (!price) {
            result.problem = GreenProblem::MissingPrice;
            result.problemRunner = i;
            result.problemPriceIsBack = !lay;
            return result;
        }
        const BetSide side = lay ? BetSide::Lay : BetSide::Back;
        const Money amount = lay ? spread : Money() - spread;
        result.hedges[i] = betOf(side, *price, mulDivRounded(amount, kOne, *price, kCent));
        around[i] = {
            betOf(side, *price, mulDivRounded(amount, kOne, *price, kCent, Rounding::Down)),
            betOf(side, *price, mulDivRounded(amount, kOne, *price, kCent, Rounding::Up))};
    }
    chooseCents(setting, around, result.hedges);
    return result;
}

}  // namespace quorvel
