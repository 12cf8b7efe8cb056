#include "core/accumulator.h"

#include <array>
#include <cstdint>
#include <limits>

#include "core/int128.h"
#include "core/money_error.h"
#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);
constexpr Money kHundred = Money::fromWhole(100);
constexpr Money kSmallest = Money::fromCount(1);

// An unsigned integer of 384 bits, for the products a lay of ten legs takes exactly: ten
// prices and ten commission factors of 30 bits each, times the returns.
class Wide {
  public:
    explicit Wide(std::uint64_t value = 0) {
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    }
    Wide times(std::uint64_t factor) const {
        Wide product;
        UInt128 carry = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const UInt128 part = static_cast<UInt128>(limbs_[i]) * factor + carry;
            product.limbs_[i] = static_cast<std::uint32_t>(part);
            carry = part >> 32;
        }
        if (carry != 0) throw MoneyError(MoneyErrorKind::Overflow);
        return product;
    }
    Wide plus(const Wide& other) const {
        Wide sum;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t part = std::uint64_t{limbs_[i]} + other.limbs_[i] + carry;
            sum.limbs_[i] = static_cast<std::uint32_t>(part);
            carry = part >> 32;
        }
        if (carry != 0) throw MoneyError(MoneyErrorKind::Overflow);
        return sum;
    }
    friend bool operator<=(const Wide& a, const Wide& b) {
        for (std::size_t i = a.limbs_.size(); i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i];
        return true;
    }

  private:
    std::array<std::uint32_t, 12> limbs_{};
};

std::uint64_t count(Money value) {
    if (value.count() <= 0) throw MoneyError(MoneyErrorKind::Division);
    return static_cast<std::uint64_t>(value.count());
}

// num ÷ den to the nearest whole (a half up): the largest q with q × 2den ≤ 2num + den.
std::int64_t nearest(const Wide& num, const Wide& den) {
    const Wide twice = den.times(2), target = num.times(2).plus(den);
    std::int64_t low = 0, high = std::int64_t{1} << 48;  // cents: far beyond any stake
    if (twice.times(static_cast<std::uint64_t>(high)) <= target)
        throw MoneyError(MoneyErrorKind::Overflow);
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (twice.times(static_cast<std::uint64_t>(middle)) <= target ? low : high) = middle;
    }
    return low;
}

// The lay of leg k (0-based) that levels every path with the legs after it:
//   R × (1 − c)^(n−k−1) ÷ Π_{i≥k} (X_i − c), to the nearest cent, in exact integers: with
//   c = r ÷ 10^6 (r the rate's count, ten-thousandths of a per cent), it is
//   cents = Rc × 10^4 × Π (10^6 − r) ÷ Π (100 Xc − r), Rc and Xc the counts of R and X_i.
Money layToLevel(const AccaRequest& request, Money returns, std::size_t k) {
    const std::uint64_t r = static_cast<std::uint64_t>(request.rate.count());
    Wide num = Wide(count(returns)).times(10000), den(1);
    for (std::size_t i = k; i < request.legs.size(); ++i) {
        const std::uint64_t price = count(request.legs[i].lay) * 100;
        if (price <= r) throw MoneyError(MoneyErrorKind::Division);
        den = den.times(price - r);
        if (i > k) num = num.times(1000000 - r);
    }
    return Money::fromCount(nearest(num, den) * 100);
}

// A lay's net in its own market after the exchange's commission on a positive result.
Money afterCommission(Money net, Money rate) {
    return net.compare(0.0) > 0 ? net - mulDivRounded(net, rate, kHundred, kSmallest) : net;
}

// What the bookmaker pays with every leg won (rounded down to the cent, as bookmakers pay),
// and what the bet costs.
void bookmakerSide(const AccaRequest& request, AccaReport& report) {
    report.backPrice = kOne;
    for (const AccaLeg& leg : request.legs) report.backPrice = report.backPrice * leg.back;
    Money product = request.stake;
    for (const AccaLeg& leg : request.legs)
        product = mulDivRounded(product, leg.back, kOne, kSmallest, Rounding::Down);
    if (request.kind == AccaKind::FreeSnr) product = product - request.stake;
    report.returns = mulDivRounded(product, kOne, kOne, kCent, Rounding::Down);
    report.ifLoses =
        (request.kind == AccaKind::Cash ? Money() - request.stake : Money()) + request.refund;
}

Money stakeCost(const AccaRequest& request) {
    return request.kind == AccaKind::Cash ? request.stake : Money();
}

// Every leg laid at once: each of the 2^n results pays on its own.
void outcomesLaidAtOnce(const AccaRequest& request, AccaReport& report) {
    const unsigned every = (1u << request.legs.size()) - 1;
    for (unsigned won = 0; won <= every; ++won) {
        Money net = won == every ? report.returns - stakeCost(request) : report.ifLoses;
        for (std::size_t i = 0; i < report.lays.size(); ++i)
            net = net +
                  ((won >> i & 1u) != 0 ? Money() - report.lays[i].liability : report.lays[i].wins);
        report.outcomes.push_back({won, net});
    }
}

// Laid leg by leg: lost at each leg still to run, or every leg won.
void pathsLegByLeg(const AccaRequest& request, AccaReport& report) {
    Money lost;  // the liabilities of the lays on the legs won before
    for (std::size_t k = 0; k <= report.lays.size(); ++k) {
        const bool all = k == report.lays.size();
        if (k >= request.placed.size()) {
            AccaPath path;
            path.losesAt = all ? 0 : static_cast<int>(k + 1);
            path.bookmaker = all ? report.returns - stakeCost(request) : report.ifLoses;
            path.exchange = all ? Money() - lost : report.lays[k].wins - lost;
            path.net = path.bookmaker + path.exchange;
            report.paths.push_back(path);
        }
        if (!all) lost = lost + report.lays[k].liability;
    }
}

}  // namespace

AccaReport ComputeAcca(const AccaRequest& request) {
    AccaReport report;
    bookmakerSide(request, report);
    for (std::size_t k = 0; k < request.legs.size(); ++k) {
        AccaLay lay;
        lay.placed = k < request.placed.size();
        lay.price = lay.placed ? request.placed[k].price : request.legs[k].lay;
        lay.stake = lay.placed        ? request.placed[k].stake
                    : request.upfront ? request.stake
                                      : layToLevel(request, report.returns, k);
        lay.liability = lay.stake * (lay.price - kOne);
        lay.wins = afterCommission(lay.stake, request.rate);
        report.lays.push_back(lay);
    }
    if (request.upfront)
        outcomesLaidAtOnce(request, report);
    else
        pathsLegByLeg(request, report);
    return report;
}

std::string accaPathName(int losesAt, std::size_t legs) {
    if (losesAt == 0) return "All " + std::to_string(legs) + " win";
    const std::string won = losesAt == 2  ? "Wins 1, "
                            : losesAt > 2 ? "Wins 1-" + std::to_string(losesAt - 1) + ", "
                                          : "";
    return won + (won.empty() ? "Loses" : "loses") + " at leg " + std::to_string(losesAt);
}

}  // namespace quorvel
