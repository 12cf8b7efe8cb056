// A market of several winners: its outcomes, its worst and best, and the greens that level
// every runner's placing.
#include <algorithm>
#include <numeric>

#include "core/book.h"
#include "core/exact_sum.h"
#include "core/market.h"
#include "core/market_net.h"
#include "core/money_ratio.h"

namespace quorvel {

namespace {

// Each runner's placing by venue (its bets' "wins" less "loses"), and every runner's "loses"
// summed by venue, the hedges placed.
struct Parts {
    std::vector<Money> exchange, bookmaker;
    Money exchangeLoses, bookmakerLoses;
};

void add(Parts& parts, std::size_t i, const OutcomePair& pays, bool bookmaker) {
    (bookmaker ? parts.bookmaker : parts.exchange)[i] =
        (bookmaker ? parts.bookmaker : parts.exchange)[i] + pays.wins - pays.loses;
    Money& loses = bookmaker ? parts.bookmakerLoses : parts.exchangeLoses;
    loses = loses + pays.loses;
}

Parts partsOf(const MarketRequest& request, const Hedges& hedges) {
    const std::size_t n = request.runners.size();
    Parts parts{std::vector<Money>(n), std::vector<Money>(n), {}, {}};
    for (std::size_t i = 0; i < n; ++i) {
        for (const Bet& bet : request.runners[i].bets)
            add(parts, i, pays(bet), bet.info().venue == Venue::Bookmaker);
        if (i >= hedges.size()) continue;
        // A hedge placed: its own placing moves, and its "loses" joins every outcome's.
        parts.exchange[i] = parts.exchange[i] + ownPart(request, hedges[i]);
        parts.exchangeLoses = parts.exchangeLoses + cashPart(request, hedges[i]);
    }
    return parts;
}

PlacedOutcome outcomeOf(const Parts& parts, std::vector<std::size_t> placed, Money rate) {
    std::sort(placed.begin(), placed.end());
    Money exchange = parts.exchangeLoses, bookmaker = parts.bookmakerLoses;
    for (std::size_t i : placed) {
        exchange = exchange + parts.exchange[i];
        bookmaker = bookmaker + parts.bookmaker[i];
    }
    PlacedOutcome o{std::move(placed), exchange + bookmaker, commissionOn(exchange, rate), {}};
    o.net = o.pays - o.commission;
    return o;
}

// The n runners of the least (or the most) weight.
std::vector<std::size_t> chosen(const std::vector<Money>& weight, int n, bool least) {
    std::vector<std::size_t> order(weight.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return least ? weight[a] < weight[b] : weight[b] < weight[a];
    });
    order.resize(std::min(order.size(), static_cast<std::size_t>(std::max(n, 0))));
    return order;
}

// The outcome that nets least (or most). The net is the bookmaker's part plus the exchange's
// less commission on it when positive, so the extreme sets are those of the extreme placings
// taken whole or with the exchange's part after commission: each is tried, the extreme kept.
PlacedOutcome extreme(const Parts& parts, int n, Money rate, bool worst) {
    const std::size_t count = parts.exchange.size();
    std::vector<Money> whole(count), taxed(count);
    for (std::size_t i = 0; i < count; ++i) {
        whole[i] = parts.bookmaker[i] + parts.exchange[i];
        taxed[i] =
            parts.bookmaker[i] + parts.exchange[i] -
            mulDivRounded(parts.exchange[i], rate, Money::fromWhole(100), Money::fromCount(1));
    }
    PlacedOutcome a = outcomeOf(parts, chosen(whole, n, worst), rate);
    PlacedOutcome b = outcomeOf(parts, chosen(taxed, n, worst), rate);
    return (worst ? b.net < a.net : a.net < b.net) ? b : a;
}

// The book of one side against n × 100 %: below (-1), level (0) or above (1); none without
// every price.
std::optional<int> bookAgainst(const MarketRequest& request, std::optional<Money> Runner::*side) {
    std::vector<Fraction> terms;
    for (const Runner& r : request.runners) {
        if (!(r.*side)) return std::nullopt;
        terms.push_back(
            {static_cast<UInt128>(Money::kScale), static_cast<UInt128>((r.*side)->count())});
    }
    const auto order = compareSum(terms, {static_cast<UInt128>(request.winners), 1});
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

struct Levelled {
    GreenResult result;
    Money lowest;
    Money staked;
};

// Every runner's placing brought to the level: a lay above it, a back below, to the cent.
Levelled levelledAt(const MarketRequest& request, const std::vector<Money>& placing, Money level) {
    Levelled l;
    l.result.hedges.resize(placing.size());
    for (std::size_t i = 0; i < placing.size(); ++i) {
        const Money gap = placing[i] - level;
        if (gap.isZero()) continue;
        const bool lay = gap.compare(0.0) > 0;
        const std::optional<Money>& price = lay ? request.runners[i].lay : request.runners[i].back;
        if (!price) return {{GreenProblem::MissingPrice, i, !lay, {}, std::nullopt}, {}, {}};
        const Money stake =
            mulDivRounded(lay ? gap : Money() - gap, Money::fromWhole(1), *price, kCent);
        if (!stake.isZero())
            l.result.hedges[i] = HedgeBet{lay ? BetSide::Lay : BetSide::Back, *price, stake};
    }
    return l;
}

void judge(const MarketRequest& request, Levelled& l) {
    if (l.result.problem != GreenProblem::None) return;
    l.lowest = extreme(partsOf(request, l.result.hedges), request.winners, request.rate, true).net;
    l.staked = Money();
    for (const auto& h : l.result.hedges)
        if (h && !underMinimum(request, *h)) l.staked = l.staked + h->stake;
}

bool better(const Levelled& a, const Levelled& b) {
    return a.lowest > b.lowest || (a.lowest == b.lowest && a.staked < b.staked);
}

// Each hedge moved a cent, two or three either way while that locks in more.
void improveByCents(const MarketRequest& request, Levelled& best) {
    for (int round = 0; round < 8; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < best.result.hedges.size(); ++i) {
            if (!best.result.hedges[i]) continue;
            for (int cents : {-3, -2, -1, 1, 2, 3}) {
                Levelled tried = best;
                HedgeBet& h = *tried.result.hedges[i];
                h.stake = h.stake + Money::fromCount(cents * kCent.count());
                if (h.stake.compare(0.0) <= 0) continue;
                judge(request, tried);
                // Only more locked in moves the search: a tie on less staked could lead it
                // away from the cents that lock in more.
                if (tried.lowest > best.lowest) {
                    best = tried;
                    moved = true;
                }
            }
        }
        if (!moved) return;
    }
}

GreenResult placeGreen(const MarketRequest& request, const std::vector<Money>& placing) {
    const GreenInfo* info = greenInfo(request.green);
    if (!info || request.runners.empty()) return {};
    // Every runner placed: the market pays what it pays whatever happens.
    if (request.runners.size() <= static_cast<std::size_t>(request.winners))
        return {GreenProblem::Certain, 0, false, {}, std::nullopt};
    const auto backBook = bookAgainst(request, &Runner::back);
    const auto layBook = bookAgainst(request, &Runner::lay);
    if ((backBook && *backBook < 0) || (layBook && *layBook > 0))
        return {GreenProblem::Arbitrage, 0, false, {}, std::nullopt};
    Levelled best = levelledAt(request, placing, Money());
    judge(request, best);
    if (request.green == Green::Each || best.result.problem != GreenProblem::None)
        return best.result;
    // Commission is taken to the cent, so the cents around the level that pays most, and
    // around green each's, are both searched.
    Levelled each = best;
    for (Money level : placing) {
        Levelled tried = levelledAt(request, placing, level);
        judge(request, tried);
        if (tried.result.problem == GreenProblem::None && better(tried, best)) best = tried;
    }
    improveByCents(request, best);
    improveByCents(request, each);
    return (better(each, best) ? each : best).result;
}

}  // namespace

MarketReport ComputePlaceMarket(const MarketRequest& request) {
    MarketReport report;
    std::vector<Money> backs, lays;
    for (const Runner& r : request.runners) {
        if (r.back) backs.push_back(*r.back);
        if (r.lay) lays.push_back(*r.lay);
    }
    report.backBook = backs.size() == request.runners.size() && !backs.empty()
                          ? std::optional(bookPercent(backs))
                          : std::nullopt;
    report.layBook = lays.size() == request.runners.size() && !lays.empty()
                         ? std::optional(bookPercent(lays))
                         : std::nullopt;
    const Parts before = partsOf(request, {});
    std::vector<Money> placing(request.runners.size());
    for (std::size_t i = 0; i < placing.size(); ++i)
        placing[i] = before.exchange[i] + before.bookmaker[i];
    const GreenResult green = placeGreen(request, placing);
    report.problem = green.problem;
    report.problemRunner = green.problemRunner;
    report.problemPriceIsBack = green.problemPriceIsBack;
    Hedges hedges = green.problem == GreenProblem::None ? green.hedges : Hedges{};
    hedges.resize(request.runners.size());
    const Parts after = partsOf(request, hedges);
    report.runners.resize(request.runners.size());
    for (std::size_t i = 0; i < placing.size(); ++i) {
        RunnerOutcome& r = report.runners[i];
        r.ifPlaced = placing[i];
        r.hedge = hedges[i];
        r.belowMinimum = r.hedge && underMinimum(request, *r.hedge);
        if (r.hedge && !r.belowMinimum) report.staked = report.staked + r.hedge->stake;
        r.after = r.net = after.exchange[i] + after.bookmaker[i];
    }
    report.worst = extreme(after, request.winners, request.rate, true);
    report.best = extreme(after, request.winners, request.rate, false);
    report.lowest = report.worst->net;
    return report;
}

}  // namespace quorvel
