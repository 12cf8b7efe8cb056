#include "core/position.h"

#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);
constexpr Money kHundred = Money::fromWhole(100);

void add(SideTotals& totals, const Bet& bet) {
    totals.stake = totals.stake + bet.stake;
    totals.stakeTimesPrice = totals.stakeTimesPrice + bet.stake * bet.price;
}

// What the bet pays each way.
OutcomePair pays(const Bet& bet) {
    const Money winnings = bet.stake * (bet.price - kOne);
    if (bet.side == BetSide::Lay) return {Money() - winnings, bet.stake};
    return {winnings, bet.free ? Money() : Money() - bet.stake};
}

// The stake to lay (positive) or to back (negative), to the cent, that the target asks for.
Money signedHedgeStake(const PositionRequest& request, OutcomePair before, Money price) {
    const Money spread = before.wins - before.loses;
    switch (request.target) {
        case HedgeTarget::Equal:
            return mulDivRounded(spread, kOne, price, kCent);
        case HedgeTarget::Percent:
            return mulDivRounded(spread, request.percent, price * kHundred, kCent);
        // Rounded so that the outcome aimed at is never a loss: a lay x leaves wins − x (price
        // − 1) and loses + x.
        case HedgeTarget::WinsZero:
            return mulDivRounded(before.wins, kOne, price - kOne, kCent, Rounding::Down);
        case HedgeTarget::LosesZero:
            return mulDivRounded(Money() - before.loses, kOne, kOne, kCent, Rounding::Up);
    }
    return Money();
}

// The position with the hedge added: a lay of x loses x × (price − 1) if the selection wins
// and brings x if it loses; a back the reverse.
OutcomePair withHedge(OutcomePair before, const HedgeBet& hedge) {
    const Bet bet{hedge.side, hedge.price, hedge.stake, false};
    const OutcomePair paid = pays(bet);
    return {before.wins + paid.wins, before.loses + paid.loses};
}

Money commissionOn(Money net, Money rate) {
    return net.compare(0.0) > 0 ? mulDivRounded(net, rate, kHundred, kCent) : Money();
}

}  // namespace

PositionReport ComputePosition(const PositionRequest& request) {
    PositionReport report;
    for (const Bet& bet : request.bets) {
        add(bet.side == BetSide::Back ? report.backs : report.lays, bet);
        const OutcomePair paid = pays(bet);
        report.before = {report.before.wins + paid.wins, report.before.loses + paid.loses};
    }
    for (SideTotals* side : {&report.backs, &report.lays})
        if (!side->stake.isZero())
            side->averagePrice = mulDivRounded(side->stakeTimesPrice, kOne, side->stake, kCent);

    report.after = report.before;
    if (request.price) {
        const Money stake = signedHedgeStake(request, report.before, *request.price);
        if (!stake.isZero()) {
            const bool lay = stake.compare(0.0) > 0;
            report.hedge = HedgeBet{lay ? BetSide::Lay : BetSide::Back, *request.price,
                                    lay ? stake : Money() - stake};
            report.belowMinimum = request.minStake && report.hedge->stake < *request.minStake;
            if (!report.belowMinimum) report.after = withHedge(report.before, *report.hedge);
        }
    }
    report.commission = {commissionOn(report.after.wins, request.rate),
                         commissionOn(report.after.loses, request.rate)};
    report.net = {report.after.wins - report.commission.wins,
                  report.after.loses - report.commission.loses};
    return report;
}

}  // namespace quorvel
