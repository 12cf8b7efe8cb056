#include "core/book.h"

#include "core/exact_sum.h"
#include "core/int128.h"

namespace quorvel {

namespace {

// 100 ÷ price is 10⁶ ÷ its count in per cent; scaled to halves of a hundredth of a per cent.
std::vector<Fraction> halfHundredths(const std::vector<Money>& prices) {
    std::vector<Fraction> terms;
    for (Money price : prices) terms.push_back({200'000'000, static_cast<UInt128>(price.count())});
    return terms;
}

// Σ scale ÷ count in units of 10⁻¹⁸, each term rounded down: under the exact sum by less than
// one unit a term.
constexpr Int128 kFine = 1'000'000'000'000'000'000;

Int128 floorSum(const std::vector<Money>& prices, Int128 scale) {
    Int128 sum = 0;
    for (Money price : prices) sum += scale * kFine / price.count();
    return sum;
}

}  // namespace

Money bookPercent(const std::vector<Money>& prices) {
    // In halves of a hundredth of a per cent: the nearest hundredth is settled by the rounded
    // sum unless a half-way mark lies within its error, and then exactly.
    const Int128 low = floorSum(prices, 200'000'000),
                 high = low + static_cast<Int128>(prices.size());
    if (low / kFine == high / kFine)
        return Money::fromCount(static_cast<std::int64_t>((low / kFine + 1) / 2 * 100));
    const std::vector<Fraction> terms = halfHundredths(prices);
    auto m = static_cast<std::int64_t>(low / kFine / 2);
    // The nearest hundredth m is the first whose upper half-way mark the book stays under.
    auto reaches = [&](std::int64_t k) {
        return compareSum(terms, {static_cast<UInt128>(2 * k + 1), 1}) >= 0;
    };
    while (reaches(m)) ++m;
    while (m > 0 && !reaches(m - 1)) --m;
    return Money::fromCount(m * 100);
}

std::strong_ordering bookAgainstHundred(const std::vector<Money>& prices) {
    const Int128 low = floorSum(prices, Money::kScale),
                 high = low + static_cast<Int128>(prices.size());
    if (high < kFine) return std::strong_ordering::less;
    if (low > kFine) return std::strong_ordering::greater;
    std::vector<Fraction> terms;
    for (Money price : prices)
        terms.push_back({static_cast<UInt128>(Money::kScale), static_cast<UInt128>(price.count())});
    return compareSum(terms, {1, 1});
}

}  // namespace quorvel
