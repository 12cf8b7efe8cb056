#pragma once

#include <array>

#include "core/money.h"

namespace quorvel {

// A bookmaker's each-way bet: two bets of the stake, one to win at the price and one to be
// placed (in the bookmaker's places) at a fraction of the odds, 1 + (price − 1) × terms.
struct EachWayBet {
    Money stake;  // each way: the bet costs twice the stake
    Money price;
    int termsNumerator = 1;  // 1/5 the odds, 1/4, ...
    int termsDenominator = 5;
    int places = 3;  // the bookmaker's
};

// The bet laid on the exchange's win market and on its place market, which pays exchangePlaces
// (no more than the bookmaker's: those beyond are the bookmaker's extra places).
struct EachWayRequest {
    EachWayBet bet;
    int exchangePlaces = 3;
    Money winLay;                      // the win market's lay price
    Money placeLay;                    // the place market's lay price
    Money rate = Money::fromWhole(5);  // per cent, each market's own on its own positive net
};

// The outcomes, in the order shown: the runner wins; is placed in the exchange's places (not
// first); is placed only in the bookmaker's extra places; is unplaced.
enum EachWayOutcome { kWins = 0, kPlaced, kExtraPlace, kUnplaced, kEachWayOutcomes };

struct EachWayReport {
    Money placeWinnings;  // stake × (price − 1) × terms, to four decimals
    Money placePrice;     // 1 + (price − 1) × terms, to four decimals
    Money winLayStake;    // stake × price ÷ (win lay − c), to the cent
    Money placeLayStake;  // stake × place price ÷ (place lay − c), to the cent
    Money winLiability;
    Money placeLiability;
    // Per outcome: the bookmaker's two bets, each exchange market's net after its commission
    // (four decimals), and the whole.
    std::array<Money, kEachWayOutcomes> bookmaker, winMarket, placeMarket, net;
};

// The qualifying lays, each equal either way in its own market, and what every outcome pays.
//   10 each way at 11.00, 1/5 the odds, 4 places; win lay 11.50, place lay 3.20 paying 3,
//   5 %: lays 9.61 and 9.52; wins -1.8490, placed -1.8145, the extra place +28.1735, unplaced
//   -1.8265.
// Overflow failures pass to the caller.
EachWayReport ComputeEachWay(const EachWayRequest& request);

}  // namespace quorvel
