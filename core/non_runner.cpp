#include "core/non_runner.h"

#include <algorithm>

#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Money kHundred = Money::fromWhole(100);
constexpr Money kOne = Money::fromWhole(1);
// Below this a withdrawal leaves a win market's prices as they were.
constexpr Money kLeastWinFactor = Money::fromCount(25000);  // 2.5 %

}  // namespace

Money reducedPrice(Money price, const std::vector<NonRunner>& nonRunners, int winners) {
    Money factor;
    for (const NonRunner& n : nonRunners)
        if (winners > 1 || n.factor >= kLeastWinFactor) factor = factor + n.factor;
    if (factor.isZero()) return price;
    const Money kept = kHundred - std::min(factor, kHundred);
    if (winners == 1) return mulDivRounded(price, kept, kHundred, Money::fromCount(1));
    return kOne + mulDivRounded(price - kOne, kept, kHundred, Money::fromCount(1));
}

AfterWithdrawals withoutNonRunners(const MarketRequest& request,
                                   const std::vector<NonRunner>& nonRunners) {
    AfterWithdrawals after{request, {}};
    after.request.runners.clear();
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        if (std::any_of(nonRunners.begin(), nonRunners.end(),
                        [&](const NonRunner& n) { return n.runner == i; }))
            continue;
        Runner runner = request.runners[i];
        for (Bet& bet : runner.bets)
            if (!bet.matchedAfter) bet.price = reducedPrice(bet.price, nonRunners, request.winners);
        after.request.runners.push_back(std::move(runner));
        after.kept.push_back(i);
    }
    return after;
}

}  // namespace quorvel
