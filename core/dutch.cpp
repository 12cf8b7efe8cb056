#include "core/dutch.h"

#include "core/money_ratio.h"
#include "core/settlement.h"

namespace quorvel {

namespace {

__extension__ using Int128 = __int128;

// 1 ÷ price in units of 10⁻¹⁸, to the nearest.
constexpr Int128 kFine = 1'000'000'000'000'000'000;

Int128 inverse(Money price) {
    const Int128 c = price.count();
    return (static_cast<Int128>(Money::kScale) * kFine + c / 2) / c;
}

// amount × num ÷ den to the cent, the nearest, half away from zero.
Money centsOf(Money amount, Int128 num, Int128 den) {
    const Int128 scaled = static_cast<Int128>(amount.count()) * num;  // ten-thousandths × den
    const Int128 unit = den * 100;
    Int128 cents = scaled / unit;
    const Int128 rest = scaled % unit;
    if ((rest < 0 ? -rest : rest) * 2 >= unit) cents += scaled < 0 ? -1 : 1;
    return Money::fromCount(static_cast<std::int64_t>(cents * 100));
}

}  // namespace

std::optional<DutchReport> ComputeDutch(const DutchRequest& request) {
    Int128 sum = 0;
    for (const DutchRunner& r : request.runners) sum += inverse(r.price);
    if (request.runners.empty() || sum <= 0) return std::nullopt;
    DutchReport report;
    report.book = centsOf(Money::fromWhole(100), sum, kFine);
    const bool back = request.side == DutchSide::Back;
    const bool underHundred = sum < kFine;
    if ((request.target == DutchTarget::Profit || !back) && !underHundred) return std::nullopt;

    for (const DutchRunner& r : request.runners) {
        Money stake;
        if (back && request.target == DutchTarget::Profit)  // T × inv ÷ Σ, T = P Σ ÷ (1 − Σ)
            stake = centsOf(request.amount, inverse(r.price), kFine - sum);
        else if (back)  // T × inv ÷ Σ
            stake = centsOf(request.amount, inverse(r.price), sum);
        else  // L ÷ (price (1 − Σ))
            stake = centsOf(request.amount, inverse(r.price), kFine - sum);
        report.stakes.push_back(stake);
        report.staked = report.staked + stake;
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
