#include "core/dutch.h"

#include "core/book.h"
#include "core/exact_sum.h"
#include "core/int128.h"
#include "core/money_ratio.h"
#include "core/settlement.h"

namespace quorvel {

namespace {

// 1 ÷ price in units of 10⁻¹⁸, to the nearest: a first guess only.
constexpr Int128 kFine = 1'000'000'000'000'000'000;

// A stake beyond this many cents is no dutch anyone places: refused as an overflow before the
// exact test below would need wider numbers.
constexpr Int128 kMostCents = 10'000'000'000;

Int128 inverse(Money price) {
    const Int128 c = price.count();
    return (static_cast<Int128>(Money::kScale) * kFine + c / 2) / c;
}

// Runner i's stake in cents: amount ÷ (price_i × Σ) for a back dutch of a total, amount ÷
// (price_i × (1 − Σ)) otherwise, Σ being the sum of 1 ÷ price. The guess from the rounded
// inverses is settled by exact comparisons, so that an exact half goes away from zero.
Money stakeOf(const DutchRequest& request, std::size_t i, Int128 sum) {
    const bool ofTotal = request.side == DutchSide::Back && request.target == DutchTarget::Stake;
    const Int128 scaled =
        static_cast<Int128>(request.amount.count()) * inverse(request.runners[i].price);
    Int128 m = scaled / ((ofTotal ? sum : kFine - sum) * 100);
    if (m > kMostCents) throw MoneyError(MoneyErrorKind::Overflow);
    std::vector<Fraction> terms;
    auto reaches = [&](Int128 k) {  // the stake is at least k + ½ cents
        const auto times = static_cast<UInt128>((2 * k + 1) * request.runners[i].price.count());
        terms.clear();
        for (const DutchRunner& r : request.runners)
            terms.push_back({times * Money::kScale, static_cast<UInt128>(r.price.count())});
        const Int128 twiceAmount = 200 * static_cast<Int128>(request.amount.count());
        if (ofTotal) return compareSum(terms, {static_cast<UInt128>(twiceAmount), 1}) <= 0;
        const Int128 rest = static_cast<Int128>(times) - twiceAmount;
        return rest <= 0 || compareSum(terms, {static_cast<UInt128>(rest), 1}) >= 0;
    };
    while (reaches(m)) ++m;
    while (m > 0 && !reaches(m - 1)) --m;
    return Money::fromCount(static_cast<std::int64_t>(m * 100));
}

}  // namespace

std::optional<DutchReport> ComputeDutch(const DutchRequest& request) {
    if (request.runners.empty()) return std::nullopt;
    std::vector<Money> prices;
    Int128 sum = 0;
    for (const DutchRunner& r : request.runners) {
        prices.push_back(r.price);
        sum += inverse(r.price);
    }
    DutchReport report;
    report.book = bookPercent(prices);
    const bool back = request.side == DutchSide::Back;
    // A profit P from backs is a total of P Σ ÷ (1 − Σ): the same stakes as a lay liability P.
    if ((request.target == DutchTarget::Profit || !back) && bookAgainstHundred(prices) >= 0)
        return std::nullopt;

    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        report.stakes.push_back(stakeOf(request, i, sum));
        report.staked = report.staked + report.stakes.back();
    }
    const Money one = Money::fromWhole(1);
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        const Money price = request.runners[i].price, stake = report.stakes[i];
        // A back pays stake × price back on its win, every other back being lost; a lay costs
        // stake × (price − 1), every other lay being won.
        const Money wins =
            back ? stake * price - report.staked : report.staked - stake - stake * (price - one);
        report.ifWins.push_back(wins);
        report.netIfWins.push_back(wins - commissionOn(wins, request.rate));
    }
    report.ifOtherWins = back ? Money() - report.staked : report.staked;
    report.netIfOtherWins = report.ifOtherWins - commissionOn(report.ifOtherWins, request.rate);
    return report;
}

}  // namespace quorvel
