#include "core/book.h"

#include "core/exact_sum.h"

namespace quorvel {

namespace {

// 100 ÷ price is 10⁶ ÷ its count in per cent; scaled to halves of a hundredth of a per cent.
std::vector<Fraction> halfHundredths(const std::vector<Money>& prices) {
    std::vector<Fraction> terms;
    for (Money price : prices) terms.push_back({200'000'000, static_cast<UInt128>(price.count())});
    return terms;
}

}  // namespace

Money bookPercent(const std::vector<Money>& prices) {
    const std::vector<Fraction> terms = halfHundredths(prices);
    // A first guess in double; the exact comparisons then settle the hundredth.
    double guess = 0;
    for (Money price : prices) guess += 1e6 / static_cast<double>(price.count());
    auto m = static_cast<std::int64_t>(guess * 100);
    // The nearest hundredth m is the first whose upper half-way mark the book stays under.
    auto reaches = [&](std::int64_t k) {
        return compareSum(terms, {static_cast<UInt128>(2 * k + 1), 1}) >= 0;
    };
    while (reaches(m)) ++m;
    while (m > 0 && !reaches(m - 1)) --m;
    return Money::fromCount(m * 100);
}

std::strong_ordering bookAgainstHundred(const std::vector<Money>& prices) {
    std::vector<Fraction> terms;
    for (Money price : prices)
        terms.push_back({static_cast<UInt128>(Money::kScale), static_cast<UInt128>(price.count())});
    return compareSum(terms, {1, 1});
}

}  // namespace quorvel
