#include "core/market.h"

#include <algorithm>
#include <limits>

#include "core/money_ratio.h"

namespace quorvel {

namespace {

__extension__ using Int128 = __int128;

constexpr Money kOne = Money::fromWhole(1);

// Fine units for comparing levels: 10⁻¹² of a unit of money.
constexpr Int128 kFine = 1'000'000'000'000;

// a ÷ price in fine units, exactly but for the last fine unit.
Int128 fineQuotient(Money a, Money price) {
    return static_cast<Int128>(a.count()) * kFine / price.count();
}

// The bets of each runner, each way, by venue.
struct Parts {
    OutcomePair exchange;
    OutcomePair bookmaker;
};

// If runner k wins: every runner's "loses", plus k's "wins" less its "loses".
Money ifWins(const std::vector<OutcomePair>& pairs, std::size_t k, Money allLose) {
    return allLose + pairs[k].wins - pairs[k].loses;
}

struct Outcomes {
    std::vector<Money> exchange;
    std::vector<Money> bookmaker;
};

Outcomes outcomesOf(const std::vector<Parts>& parts) {
    std::vector<OutcomePair> exchange, bookmaker;
    Money exchangeLoses, bookmakerLoses;
    for (const Parts& p : parts) {
        exchange.push_back(p.exchange);
        bookmaker.push_back(p.bookmaker);
        exchangeLoses = exchangeLoses + p.exchange.loses;
        bookmakerLoses = bookmakerLoses + p.bookmaker.loses;
    }
    Outcomes o;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        o.exchange.push_back(ifWins(exchange, k, exchangeLoses));
        o.bookmaker.push_back(ifWins(bookmaker, k, bookmakerLoses));
    }
    return o;
}

// Σ 100 ÷ price, per cent to two decimals, when there are runners and every one has the price.
std::optional<Money> book(const std::vector<Runner>& runners, std::optional<Money> Runner::*price,
                          bool& exactlyHundred, bool& underHundred) {
    if (runners.empty()) return std::nullopt;
    Int128 sum = 0;  // in fine units of a per cent
    for (const Runner& r : runners) {
        if (!(r.*price)) return std::nullopt;
        sum += fineQuotient(Money::fromWhole(100), *(r.*price));
    }
    const Int128 hundred = 100 * kFine;
    // Within the last fine unit of each term: a book of exactly 100 % is no arbitrage.
    exactlyHundred =
        (sum > hundred ? sum - hundred : hundred - sum) <= static_cast<Int128>(runners.size());
    underHundred = !exactlyHundred && sum < hundred;
    const Int128 cent = kFine / 100;
    const Int128 cents = (sum + cent / 2) / cent;
    return Money::fromCount(static_cast<std::int64_t>(cents * 100));
}

HedgeBet betAt(BetSide side, Money price, Money amount) {
    return {side, price, mulDivRounded(amount, kOne, price, kCent)};
}

// Green each: every runner with bets hedged on its own net, a lay at its lay price for a win
// worth more than a loss, a back at its back price for the reverse.
GreenProblem greenEach(const MarketRequest& request, const std::vector<Parts>& parts,
                       std::vector<std::optional<HedgeBet>>& hedges, std::size_t& missing,
                       bool& missingBack) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Runner& r = request.runners[i];
        const OutcomePair own = parts[i].exchange + parts[i].bookmaker;
        const Money spread = own.wins - own.loses;
        if (r.bets.empty() || spread.isZero()) continue;
        const bool lay = spread.compare(0.0) > 0;
        const std::optional<Money> price = lay ? r.lay : r.back;
        if (!price) {
            missing = i;
            missingBack = !lay;
            return GreenProblem::MissingPrice;
        }
        const HedgeBet bet =
            betAt(lay ? BetSide::Lay : BetSide::Back, *price, lay ? spread : Money() - spread);
        if (!bet.stake.isZero()) hedges[i] = bet;
    }
    return GreenProblem::None;
}

// Green best: one level K; each runner under it backed for (K − P) ÷ back, each over it laid for
// (P − K) ÷ lay, so that every outcome pays K less the back stakes plus the lay stakes. That is
// concave in K with its corners at the runners' P/Ls: the best K is one of them, the one that
// pays most, and of equals the one that stakes least.
GreenProblem greenBest(const MarketRequest& request, const std::vector<Money>& pl,
                       std::vector<std::optional<HedgeBet>>& hedges) {
    std::optional<Money> bestLevel;
    Int128 bestPays = 0, bestStaked = 0;
    for (const Money level : pl) {
        Int128 pays = static_cast<Int128>(level.count()) * kFine / Money::kScale, staked = 0;
        for (std::size_t k = 0; k < pl.size(); ++k) {
            const Runner& r = request.runners[k];
            if (pl[k] < level) {
                const Int128 s = fineQuotient(level - pl[k], *r.back);
                pays -= s;
                staked += s;
            } else if (pl[k] > level) {
                const Int128 t = fineQuotient(pl[k] - level, *r.lay);
                pays += t;
                staked += t;
            }
        }
        const Int128 tolerance = static_cast<Int128>(pl.size()) * 2;
        const bool better = !bestLevel || pays > bestPays + tolerance ||
                            (pays >= bestPays - tolerance && staked < bestStaked);
        if (better) {
            bestLevel = level;
            bestPays = pays;
            bestStaked = staked;
        }
    }
    if (!bestLevel) return GreenProblem::None;
    for (std::size_t k = 0; k < pl.size(); ++k) {
        const Runner& r = request.runners[k];
        std::optional<HedgeBet> bet;
        if (pl[k] < *bestLevel) bet = betAt(BetSide::Back, *r.back, *bestLevel - pl[k]);
        if (pl[k] > *bestLevel) bet = betAt(BetSide::Lay, *r.lay, pl[k] - *bestLevel);
        if (bet && !bet->stake.isZero()) hedges[k] = bet;
    }
    return GreenProblem::None;
}

// Every runner has both prices, or the first that does not is named.
bool allPriced(const MarketRequest& request, std::size_t& missing, bool& missingBack) {
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        const Runner& r = request.runners[i];
        if (!r.back || !r.lay) {
            missing = i;
            missingBack = !r.back;
            return false;
        }
    }
    return true;
}

bool underMinimum(const MarketRequest& request, const HedgeBet& bet) {
    const bool underStake = request.minStake && bet.stake < *request.minStake;
    const bool paysEnough = request.minPayout && bet.stake * bet.price >= *request.minPayout;
    return underStake && !paysEnough;
}

}  // namespace

MarketReport ComputeMarket(const MarketRequest& request) {
    MarketReport report;
    std::vector<Parts> parts(request.runners.size());
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        for (const Bet& bet : request.runners[i].bets) {
            OutcomePair& part =
                bet.info().venue == Venue::Bookmaker ? parts[i].bookmaker : parts[i].exchange;
            part = part + pays(bet);
        }
    const Outcomes before = outcomesOf(parts);
    std::vector<Money> pl;
    for (std::size_t k = 0; k < parts.size(); ++k)
        pl.push_back(before.exchange[k] + before.bookmaker[k]);

    bool backHundred = false, backUnder = false, layHundred = false, layUnder = false;
    report.backBook = book(request.runners, &Runner::back, backHundred, backUnder);
    report.layBook = book(request.runners, &Runner::lay, layHundred, layUnder);

    std::vector<std::optional<HedgeBet>> hedges(parts.size());
    if (request.runners.empty()) {
        // no market yet: nothing to green
    } else if (request.green == Green::Each) {
        report.problem =
            greenEach(request, parts, hedges, report.problemRunner, report.problemPriceIsBack);
    } else if (request.green == Green::Best) {
        if (!allPriced(request, report.problemRunner, report.problemPriceIsBack))
            report.problem = GreenProblem::MissingPrice;
        else if (backUnder || (!layHundred && !layUnder))
            report.problem = GreenProblem::Arbitrage;
        else
            report.problem = greenBest(request, pl, hedges);
    }
    if (report.problem != GreenProblem::None) hedges.assign(parts.size(), std::nullopt);

    std::vector<Parts> after = parts;
    report.runners.resize(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        RunnerOutcome& r = report.runners[i];
        r.ifWins = pl[i];
        r.hedge = hedges[i];
        if (!hedges[i]) continue;
        r.belowMinimum = underMinimum(request, *hedges[i]);
        if (r.belowMinimum) continue;
        const BetKind kind = hedges[i]->side == BetSide::Lay ? BetKind::Lay : BetKind::Back;
        after[i].exchange = after[i].exchange + pays(Bet{kind, hedges[i]->price, hedges[i]->stake});
        report.staked = report.staked + hedges[i]->stake;
    }
    const Outcomes settled = outcomesOf(after);
    for (std::size_t k = 0; k < parts.size(); ++k) {
        RunnerOutcome& r = report.runners[k];
        r.after = settled.exchange[k] + settled.bookmaker[k];
        r.commission = commissionOn(settled.exchange[k], request.rate);
        r.net = r.after - r.commission;
        if (k == 0 || r.net < report.lowest) report.lowest = r.net;
    }
    return report;
}

}  // namespace quorvel
