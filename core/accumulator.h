#pragma once

#include <string>
#include <vector>

#include "core/money.h"

namespace quorvel {

inline constexpr int kMaxAccaLegs = 10;

// What the bookmaker's bet is: cash, a free bet whose stake is not returned (SNR) or is (SR).
enum class AccaKind { Cash, FreeSnr, FreeSr };

// One leg: the bookmaker's price, and the lay price of its own exchange market now.
struct AccaLeg {
    Money back;
    Money lay;
};

// A lay placed on a leg that has won since: its stake and price.
struct PlacedLay {
    Money stake;
    Money price;
};

struct AccaRequest {
    Money stake;
    std::vector<AccaLeg> legs;  // 1 to kMaxAccaLegs, in the order they are run
    AccaKind kind = AccaKind::Cash;
    Money refund;                      // a refund offer: what comes back when a leg loses
    std::vector<PlacedLay> placed;     // the first legs, won, with the lays placed on them
    bool upfront = false;              // every leg laid at once, each for the bet's stake
    Money rate = Money::fromWhole(5);  // per cent, each leg's market on its own positive net
};

// A leg's lay: its stake (placed, or worked out to the cent from the prices now), the
// liability, and what it wins after the exchange's commission if the leg loses.
struct AccaLay {
    Money stake;
    Money price;
    Money liability;
    Money wins;
    bool placed = false;
};

// One way the accumulator can end: lost at a leg (1-based; 0 for every leg won), with what
// the bookmaker's bet and the lays pay then, and the whole.
struct AccaPath {
    int losesAt = 0;
    Money bookmaker;
    Money exchange;
    Money net;
};

// Every leg's result laid at once: legs won as bits (leg 1 the lowest), and what that pays.
struct AccaOutcome {
    unsigned wonLegs = 0;
    Money net;
};

struct AccaReport {
    Money backPrice;  // the product of the legs' prices
    Money returns;    // what the bookmaker pays with every leg won, to the cent, rounded down
    Money ifLoses;    // what the bettor has when a leg loses: -stake, 0, or with a refund
    std::vector<AccaLay> lays;
    std::vector<AccaPath> paths;        // from the next leg to lay, then every leg won
    std::vector<AccaOutcome> outcomes;  // laid at once: all 2^n, in the order of wonLegs
};

// An accumulator laid leg by leg so that every path pays the same: each lay to lay
//   l_k = R × (1 − c)^(n−k) ÷ Π_{i≥k} (X_i − c), exact, then to the nearest cent,
// from the legs still to lay at their prices now; laid at once, each for the stake.
//   A treble of 10 at 1.80, 1.50, 2.10, lay prices 1.85, 1.55, 2.16, 5 %: lays 8.98, 17.02,
//   26.87; losing at leg 1 nets -1.4690, at 2 -1.4640, at 3 -1.4675, every leg won -1.4632.
// Throws MoneyError for a division or an overflow failure.
AccaReport ComputeAcca(const AccaRequest& request);

// A path's name: accaPathName(3, 4) == "Wins 1-2, loses at leg 3"; accaPathName(0, 3) ==
// "All 3 win".
std::string accaPathName(int losesAt, std::size_t legs);

}  // namespace quorvel
