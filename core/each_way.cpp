#include "core/each_way.h"

#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);
constexpr Money kHundred = Money::fromWhole(100);
constexpr Money kSmallest = Money::fromCount(1);

// A lay's net in its own market after the exchange's commission on a positive result, kept
// to four decimals as the market's own figure.
Money afterCommission(Money net, Money rate) {
    return net.compare(0.0) > 0 ? net - mulDivRounded(net, rate, kHundred, kSmallest) : net;
}

}  // namespace

EachWayReport ComputeEachWay(const EachWayRequest& request) {
    const EachWayBet& bet = request.bet;
    EachWayReport r;
    r.placeWinnings =
        mulDivRounded(bet.stake, (bet.price - kOne) * Money::fromWhole(bet.termsNumerator),
                      Money::fromWhole(bet.termsDenominator), kSmallest);
    r.placePrice = kOne + mulDivRounded((bet.price - kOne) * Money::fromWhole(bet.termsNumerator),
                                        kOne, Money::fromWhole(bet.termsDenominator), kSmallest);
    const Money c = mulDivRounded(request.rate, kOne, kHundred, kSmallest);  // as a fraction
    r.winLayStake = mulDivRounded(bet.stake, bet.price, request.winLay - c, kCent);
    r.placeLayStake = mulDivRounded(bet.stake + r.placeWinnings, kOne, request.placeLay - c, kCent);
    r.winLiability = r.winLayStake * (request.winLay - kOne);
    r.placeLiability = r.placeLayStake * (request.placeLay - kOne);

    const Money winPart[] = {bet.stake * (bet.price - kOne), Money() - bet.stake};
    const Money placePart[] = {r.placeWinnings, Money() - bet.stake};
    const Money winLay[] = {Money() - r.winLiability, r.winLayStake};
    const Money placeLay[] = {Money() - r.placeLiability, r.placeLayStake};
    // For each outcome: did the runner win, place at the bookmaker, place at the exchange.
    constexpr bool kWon[] = {true, false, false, false};
    constexpr bool kPlacedThere[] = {true, true, true, false};
    constexpr bool kPlacedHere[] = {true, true, false, false};
    for (int o = 0; o < kEachWayOutcomes; ++o) {
        const auto i = static_cast<std::size_t>(o);
        r.bookmaker[i] = winPart[kWon[i] ? 0 : 1] + placePart[kPlacedThere[i] ? 0 : 1];
        r.winMarket[i] = afterCommission(winLay[kWon[i] ? 0 : 1], request.rate);
        r.placeMarket[i] = afterCommission(placeLay[kPlacedHere[i] ? 0 : 1], request.rate);
        r.net[i] = r.bookmaker[i] + r.winMarket[i] + r.placeMarket[i];
    }
    return r;
}

}  // namespace quorvel
