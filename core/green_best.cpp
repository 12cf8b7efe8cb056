#include <algorithm>

#include "core/book.h"
#include "core/green.h"
#include "core/green_level.h"
#include "core/market.h"
#include "core/market_net.h"
#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Int128 kCentCount = 100;

Int128 floorDiv(Int128 a, Int128 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}
Int128 ceilDiv(Int128 a, Int128 b) {
    return -floorDiv(-a, b);
}

// What the search finds at a cash C for a level V: every runner's stake that reaches V with the
// most cash to spare (the least back, the most lay), and the cash those stakes really give.
struct Probe {
    bool reached = false;
    Int128 at = 0;               // the cash C assumed
    Int128 cash = 0;             // Money counts, whole cents
    Int128 slope = 0;            // how fast that cash at least falls with C, 10¹² to one
    Int128 slack = 0;            // ...give or take this, in counts
    std::vector<Int128> stakes;  // cents
};

// The best green to the cent, on the runners the exact optimum hedges and on its sides. With V
// fixed, a runner's net rises with the shared cash C in whole cents and with its own stake, so
// the cash its best stake spares, h(C), never falls as C rises: V is reached where h(C) ≥ C,
// and a walk down from a C above every such point (C ← h(C)) stops at the highest of them or
// passes every limit below which some runner cannot reach V.
class CentSearch {
  public:
    CentSearch(const GreenSetting& s, const ExactLevel& exact) : s_(s), exact_(exact) {
        for (std::size_t k = 0; k < exact.roles.size(); ++k) {
            const Runner& r = s.request.runners[k];
            price_.push_back(exact.roles[k] == Role::Back ? *r.back : *r.lay);
            least_.push_back(leastStake(price_.back()));
            if (exact.roles[k] == Role::Alone) continue;
            slopeAll_ += inverseOf(price_.back(), true);
            slackAll_ += 2 * kCentCount + least_.back();
        }
    }

    // The highest level reached, and the stakes that reach it with the least staked.
    std::vector<Int128> best(Int128& level) const {
        std::vector<Int128> stakes = rounded(level);
        Int128 hi = ceilDiv(exact_.level, kFinePerCount) + 52;  // rounded commission: ≤ ½ cent
        if (kInverseOne - slopeAll_ <= 0) return stakes;
        while (hi - level > 1) {
            const Int128 mid = level + (hi - level) / 2;
            if (const auto found = reachAt(mid)) {
                level = mid;
                stakes = *found;
            } else {
                hi = mid;
            }
        }
        return stakes;
    }

  private:
    // The smallest placeable stake: one cent, or the minimum stake unless a smaller one pays the
    // minimum payout.
    Int128 leastStake(Money price) const {
        const MarketRequest& q = s_.request;
        if (!q.minStake) return 1;
        Int128 least = std::max<Int128>(1, ceilDiv(q.minStake->count(), kCentCount));
        if (q.minPayout)
            least = std::min(least, ceilDiv(Int128(q.minPayout->count()) * Money::kScale,
                                            Int128(price.count()) * kCentCount));
        return least;
    }

    Money own(std::size_t k, Int128 cents) const {
        const Money product =
            Money::fromCount(static_cast<std::int64_t>(cents * kCentCount)) * price_[k];
        return exact_.roles[k] == Role::Back ? product : Money() - product;
    }

    bool reaches(std::size_t k, Int128 cash, Int128 cents, Int128 v) const {
        return netIf(s_, k, Money::fromCount(static_cast<std::int64_t>(cash)) + own(k, cents))
                   .count() >= v;
    }

    // The exact optimum's stakes to the nearest cent, and the level they reach.
    std::vector<Int128> rounded(Int128& level) const {
        Hedges hedges(exact_.roles.size());
        std::vector<Int128> cents;
        for (std::size_t k = 0; k < exact_.roles.size(); ++k) {
            Int128 c = (exact_.stakes[k] + 5'000'000'000) / 10'000'000'000;  // fine to cents
            if (c < least_[k]) c = 0;
            cents.push_back(c);
            if (c != 0)
                hedges[k] = HedgeBet{exact_.roles[k] == Role::Back ? BetSide::Back : BetSide::Lay,
                                     price_[k],
                                     Money::fromCount(static_cast<std::int64_t>(c * kCentCount))};
        }
        level = lowestNet(s_, hedges).count();
        return cents;
    }

    // A first guess at the stake that brings runner k's outcome to v at cash c.
    Int128 guess(std::size_t k, Int128 c, Int128 v) const {
        const Int128 y = v - s_.bookmaker[k].count();
        const Int128 needed = y <= 0 ? y : y * kWholeRate / (kWholeRate - s_.request.rate.count());
        const Int128 gap = needed - s_.exchange[k].count() - c;
        return std::max<Int128>(
            0, (exact_.roles[k] == Role::Back ? gap : -gap) * kCentCount / price_[k].count());
    }

    Probe probe(Int128 c, Int128 v) const {
        Probe p;
        p.at = c;
        p.stakes.assign(exact_.roles.size(), 0);
        for (std::size_t k = 0; k < exact_.roles.size(); ++k) {
            const Role role = exact_.roles[k];
            if (role != Role::Back && !reaches(k, c, 0, v)) return p;  // a lay only lowers it
            if (role == Role::Alone) continue;
            Int128 s = guess(k, c, v);
            if (role == Role::Back) {  // the least that reaches v
                if (reaches(k, c, s, v))
                    while (s > 0 && reaches(k, c, s - 1, v)) --s;
                else
                    while (!reaches(k, c, s, v)) ++s;
            } else {  // the most that still reaches v
                if (reaches(k, c, s, v))
                    while (reaches(k, c, s + 1, v)) ++s;
                else
                    while (s > 0 && !reaches(k, c, s, v)) --s;
            }
            const bool placeable = s >= least_[k];
            if (placeable && s > 0) {
                p.slope += inverseOf(price_[k], false);
                p.slack += 2 * kCentCount;
            }
            if (!placeable && s > 0) s = role == Role::Back ? least_[k] : 0;
            p.stakes[k] = s;
            p.cash += (role == Role::Back ? -s : s) * kCentCount;
        }
        p.reached = true;
        return p;
    }

    // The highest cash at most c at which v is reached, walking down.
    std::optional<Probe> walkDown(Int128 c, Int128 v) const {
        for (int step = 0; step < 100'000; ++step) {
            Probe p = probe(c, v);
            if (!p.reached) return std::nullopt;
            if (p.cash >= c) return p;
            // Below c, h falls at least at p.slope less p.slack: no C above this reaches v.
            Int128 next = p.cash;
            const Int128 gap = c - p.cash;
            if (gap > p.slack && p.slope < kInverseOne)
                next = std::min(next,
                                c - floorDiv((gap - p.slack) * kInverseOne, kInverseOne - p.slope));
            c = floorDiv(next, kCentCount) * kCentCount;
        }
        return std::nullopt;
    }

    // The stakes reaching v, if any cash does; of several, the least staked.
    std::optional<std::vector<Int128>> reachAt(Int128 v) const {
        Int128 c0 = ceilDiv(exact_.cash, kFinePerCount * kCentCount) * kCentCount;
        Probe p0 = probe(c0, v);
        for (int grow = 0; !p0.reached; ++grow) {
            if (grow == 60) return std::nullopt;
            c0 += std::max<Int128>(Money::kScale, c0 < 0 ? -c0 : c0);
            c0 = ceilDiv(c0, kCentCount) * kCentCount;
            p0 = probe(c0, v);
        }
        // Above c0, h rises at most at the sum of 1 ÷ price, which is under one.
        const Int128 excess = p0.cash - c0 + slackAll_;
        const Int128 top =
            excess <= 0 ? c0 : c0 + ceilDiv(excess * kInverseOne, kInverseOne - slopeAll_);
        std::optional<Probe> found = walkDown(ceilDiv(top, kCentCount) * kCentCount, v);
        if (!found) return std::nullopt;
        std::vector<Int128> stakes = found->stakes;
        Int128 least = total(stakes);
        for (int more = 0; more < 8; ++more) {
            found = walkDown(found->at - kCentCount, v);
            if (!found) break;
            if (total(found->stakes) < least) {
                least = total(found->stakes);
                stakes = found->stakes;
            }
        }
        return stakes;
    }

    static Int128 total(const std::vector<Int128>& stakes) {
        Int128 sum = 0;
        for (Int128 s : stakes) sum += s;
        return sum;
    }

    const GreenSetting& s_;
    const ExactLevel& exact_;
    std::vector<Money> price_;
    std::vector<Int128> least_;
    Int128 slopeAll_ = 0, slackAll_ = 0;
};

GreenResult problem(GreenProblem problem, std::size_t runner = 0, bool back = false) {
    GreenResult result;
    result.problem = problem;
    result.problemRunner = runner;
    result.problemPriceIsBack = back;
    return result;
}

}  // namespace

GreenResult GreenBest(const GreenSetting& setting) {
    const MarketRequest& request = setting.request;
    std::vector<Money> backs, lays;
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        const Runner& r = request.runners[i];
        if (!r.back || !r.lay) return problem(GreenProblem::MissingPrice, i, !r.back);
        backs.push_back(*r.back);
        lays.push_back(*r.lay);
    }
    if (bookAgainstHundred(backs) < 0 || bookAgainstHundred(lays) > 0)
        return problem(GreenProblem::Arbitrage);
    const std::optional<ExactLevel> exact = FindExactLevel(setting);
    if (!exact) return problem(GreenProblem::Arbitrage);

    GreenResult result;
    result.exactLevel =
        Money::fromCount(static_cast<std::int64_t>(floorDiv(exact->level, kFinePerCount)));
    Int128 level = 0;
    const std::vector<Int128> cents = CentSearch(setting, *exact).best(level);
    result.hedges.resize(cents.size());
    for (std::size_t k = 0; k < cents.size(); ++k)
        if (cents[k] != 0)
            result.hedges[k] = HedgeBet{
                exact->roles[k] == Role::Back ? BetSide::Back : BetSide::Lay,
                exact->roles[k] == Role::Back ? *request.runners[k].back : *request.runners[k].lay,
                Money::fromCount(static_cast<std::int64_t>(cents[k] * kCentCount))};
    // Green each is a hedge too: best never locks in less.
    const GreenResult each = GreenEach(setting);
    if (each.problem == GreenProblem::None &&
        lowestNet(setting, each.hedges) >= lowestNet(setting, result.hedges))
        result.hedges = each.hedges;
    return result;
}

}  // namespace quorvel
