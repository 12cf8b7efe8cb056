#include "core/green_level.h"

#include <algorithm>
#include <numeric>

#include "core/market.h"

namespace quorvel {

Int128 inverseOf(Money price, bool up) {
    const Int128 n = kInverseOne * Money::kScale, d = price.count();
    return (n + (up ? d - 1 : 0)) / d;
}

namespace {

constexpr Int128 kWholeRate = 1'000'000;   // 100 % as a Money count
constexpr Int128 kWide = Int128(1) << 60;  // a product of two such stays in 128 bits

// The market seen at one level V: for each runner, D = the exchange figure its outcome needs to
// net V, less what it has; the cash C then leaves runner k needing a hedge of D_k − C.
class LevelFunction {
  public:
    explicit LevelFunction(const GreenSetting& s) : s_(s), order_(s.exchange.size()) {
        for (const Runner& r : s.request.runners) {
            back_.push_back(inverseOf(*r.back, false));
            lay_.push_back(inverseOf(*r.lay, false));
        }
        std::iota(order_.begin(), order_.end(), 0);
    }

    // The most any hedge has to spare at level V (at its best cash), and that cash: a level is
    // reached while it is not negative.
    std::pair<Int128, Int128> spare(Int128 v) {
        need(v);
        std::sort(order_.begin(), order_.end(), [&](auto a, auto b) { return d_[a] < d_[b]; });
        // Below every D all are backed; each D passed turns a back into a lay. F(C) is concave:
        // its best C is the first D after which it falls.
        Int128 slope = -kInverseOne;
        for (Int128 b : back_) slope += b;
        Int128 cash = d_[order_.back()];
        for (std::size_t k : order_) {
            slope += lay_[k] - back_[k];
            if (slope <= 0) {
                cash = d_[k];
                break;
            }
        }
        Int128 f = -cash;
        for (std::size_t k = 0; k < d_.size(); ++k) {
            const Int128 a = d_[k] - cash;
            f -= a * (a > 0 ? back_[k] : lay_[k]) / kInverseOne;
        }
        return {f, cash};
    }

    const std::vector<Int128>& needs() const { return d_; }

  private:
    void need(Int128 v) {
        d_.clear();
        const Int128 rate = s_.request.rate.count();
        for (std::size_t k = 0; k < s_.exchange.size(); ++k) {
            const Int128 y = v - s_.bookmaker[k].count() * kFinePerCount;
            const Int128 x = y <= 0 ? y : y * kWholeRate / (kWholeRate - rate);
            d_.push_back(x - s_.exchange[k].count() * kFinePerCount);
        }
    }

    const GreenSetting& s_;
    std::vector<Int128> back_, lay_, d_;
    std::vector<std::size_t> order_;
};

// Unhedged, every outcome nets at least the lowest of them: a level that is reached.
Int128 unhedgedLevel(const GreenSetting& setting) {
    Int128 lowest = 0;
    for (std::size_t k = 0; k < setting.exchange.size(); ++k) {
        const Int128 x = setting.exchange[k].count() * kFinePerCount;
        const Int128 commission = x > 0 ? x * setting.request.rate.count() / kWholeRate : 0;
        const Int128 net = setting.bookmaker[k].count() * kFinePerCount + x - commission;
        if (k == 0 || net < lowest) lowest = net;
    }
    return lowest;
}

// Two levels, the lower reached (spare ≥ 0), the higher not.
struct Bracket {
    Int128 lo, spareLo, hi, spareHi;
};

// From a level reached, steps doubling upward to one that is not; none for an arbitrage.
std::optional<Bracket> bracketFrom(LevelFunction& level, Int128 lo) {
    Bracket b{lo, level.spare(lo).first, lo, 0};
    for (Int128 step = kInverseOne; step <= kInverseOne << 40; step *= 2) {
        b.hi = b.lo + step;
        if ((b.spareHi = level.spare(b.hi).first) < 0) return b;
        b.lo = b.hi;
        b.spareLo = b.spareHi;
    }
    return std::nullopt;
}

// The spare falls along straight pieces: a secant (Illinois) step lands on the root of a
// piece, the bracket keeps it safe. The highest level reached, to 10⁻⁸ of a unit.
Int128 narrowed(LevelFunction& level, Bracket b) {
    for (int side = 0, round = 0; b.hi - b.lo > 10'000 && round < 200; ++round) {
        const bool secant = b.spareLo > b.spareHi && b.hi - b.lo < kWide && b.spareLo < kWide * 100;
        Int128 mid = secant ? b.lo + (b.hi - b.lo) * b.spareLo / (b.spareLo - b.spareHi)
                            : b.lo + (b.hi - b.lo) / 2;
        mid = std::clamp(mid, b.lo + 1, b.hi - 1);
        const Int128 spare = level.spare(mid).first;
        if (spare >= 0) {
            b.lo = mid, b.spareLo = spare;
            if (side == -1) b.spareHi /= 2;
            side = -1;
        } else {
            b.hi = mid, b.spareHi = spare;
            if (side == 1) b.spareLo /= 2;
            side = 1;
        }
        if (spare == 0) break;
    }
    return b.lo;
}

// At the level found: each runner's hedge, a back or a lay of what its outcome needs beyond
// the cash, or none within a millionth of a unit of money.
ExactLevel hedgesAt(const GreenSetting& setting, LevelFunction& level, Int128 v) {
    ExactLevel found{v, level.spare(v).second, {}, {}};
    for (std::size_t k = 0; k < level.needs().size(); ++k) {
        const Int128 a = level.needs()[k] - found.cash;
        const Role role = a > 1'000'000 ? Role::Back : a < -1'000'000 ? Role::Lay : Role::Alone;
        const Runner& r = setting.request.runners[k];
        const Int128 stake = (a < 0 ? -a : a) * inverseOf(a > 0 ? *r.back : *r.lay, false);
        found.roles.push_back(role);
        found.stakes.push_back(role == Role::Alone ? 0 : stake / kInverseOne);
    }
    return found;
}

}  // namespace

std::optional<ExactLevel> FindExactLevel(const GreenSetting& setting) {
    LevelFunction level(setting);
    const std::optional<Bracket> bracket = bracketFrom(level, unhedgedLevel(setting));
    if (!bracket) return std::nullopt;  // no level too high: an arbitrage
    return hedgesAt(setting, level, narrowed(level, *bracket));
}

}  // namespace quorvel
