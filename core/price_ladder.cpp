#include "core/price_ladder.h"

namespace quorvel {

namespace {

constexpr Money price(std::int64_t hundredths) {
    return Money::fromCount(hundredths * 100);
}

constexpr LadderBand kStandardBands[] = {
    {price(200), price(1)},       {price(300), price(2)},    {price(400), price(5)},
    {price(600), price(10)},      {price(1000), price(20)},  {price(2000), price(50)},
    {price(3000), price(100)},    {price(5000), price(200)}, {price(10000), price(500)},
    {price(100000), price(1000)},
};

constexpr PriceLadder kStandard(price(101), kStandardBands);

}  // namespace

const PriceLadder& standardLadder() {
    return kStandard;
}

PriceLadder::Neighbours PriceLadder::neighbours(Money p) const {
    if (p < lowest_) return {std::nullopt, lowest_};
    if (p > highest()) return {highest(), std::nullopt};
    // The band's grid starts on the price that ends the band before it.
    Money start = lowest_;
    for (const LadderBand& band : bands_) {
        if (p <= band.upTo) {
            const std::int64_t offset = (p - start).count();
            const std::int64_t step = band.step.count();
            const Money below = start + Money::fromCount(offset - offset % step);
            if (offset % step == 0) return {below, below};
            return {below, below + band.step};
        }
        start = band.upTo;
    }
    return {highest(), std::nullopt};
}

bool PriceLadder::contains(Money p) const {
    const Neighbours n = neighbours(p);
    return n.below == p;
}

std::vector<Money> PriceLadder::prices() const {
    std::vector<Money> all{lowest_};
    for (const LadderBand& band : bands_)
        while (all.back() < band.upTo) all.push_back(all.back() + band.step);
    return all;
}

}  // namespace quorvel
