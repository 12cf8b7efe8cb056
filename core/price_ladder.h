#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/money.h"

namespace quorvel {

// Prices above the band before (or from the ladder's lowest price) up to upTo, in steps.
struct LadderBand {
    Money upTo;
    Money step;
};

// The prices an exchange accepts, as data: a lowest price and bands of steps. Another
// exchange's ladder is another table.
//   standardLadder().contains(Money::fromCount(21000))  // 2.10: true
//   standardLadder().neighbours(Money::fromCount(20100))  // 2.01: 2.00 below, 2.02 above
class PriceLadder {
  public:
    constexpr PriceLadder(Money lowest, std::span<const LadderBand> bands)
        : lowest_(lowest), bands_(bands) {}

    Money lowest() const { return lowest_; }
    Money highest() const { return bands_.back().upTo; }
    bool contains(Money price) const;

    // The nearest prices on the ladder below and above price (one of them missing beyond its
    // ends); for a price on the ladder, the price itself on both sides.
    struct Neighbours {
        std::optional<Money> below;
        std::optional<Money> above;
    };
    Neighbours neighbours(Money price) const;

    // Every price, lowest first.
    std::vector<Money> prices() const;

  private:
    Money lowest_;
    std::span<const LadderBand> bands_;
};

// The standard decimal ladder of the betting exchanges: 1.01 to 1000 in 350 prices, steps of
// 0.01 up to 2, 0.02 to 3, 0.05 to 4, 0.1 to 6, 0.2 to 10, 0.5 to 20, 1 to 30, 2 to 50, 5 to
// 100 and 10 to 1000.
const PriceLadder& standardLadder();

}  // namespace quorvel
