#include "core/position.h"

#include <algorithm>

#include "core/money_ratio.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);

OutcomePair pays(const HedgeBet& hedge) {
    return pays(
        Bet{hedge.side == BetSide::Lay ? BetKind::Lay : BetKind::Back, hedge.price, hedge.stake});
}

// after, commission and net from the two parts.
void settle(PositionReport& report, Money rate) {
    report.after = report.bookmaker + report.exchange;
    report.commission = {commissionOn(report.exchange.wins, rate),
                         commissionOn(report.exchange.loses, rate)};
    report.net = {report.after.wins - report.commission.wins,
                  report.after.loses - report.commission.loses};
}

// The nets as shown, apart: what a hedge that levels must narrow.
Money shownSpread(const OutcomePair& net) {
    const Money spread = net.wins.roundedToCents() - net.loses.roundedToCents();
    return spread.compare(0.0) < 0 ? Money() - spread : spread;
}

HedgeBet hedgeOf(Money signedStake, Money price) {
    const bool lay = signedStake.compare(0.0) > 0;
    return {lay ? BetSide::Lay : BetSide::Back, price, lay ? signedStake : Money() - signedStake};
}

// The report with the hedge placed, the bookmaker part as it stands.
PositionReport placed(const PositionReport& report, const HedgeBet& hedge, Money rate) {
    PositionReport with = report;
    with.exchange = report.exchange + pays(hedge);
    settle(with, rate);
    return with;
}

// The stake the target asks for. A one-outcome target is solved on the exact commission and
// rounded away from a loss; commission is taken to the cent, so the stake then moves by cents to
// the furthest one whose aimed net loses nothing.
// ifNone says why, should the stake come to nothing: an exact zero is the aim already met; a
// stake that only rounds to nothing is said to; one the cents walked back to zero is reached.
Money targetStake(const PositionRequest& request, const PositionReport& report,
                  NoHedgeReason& ifNone) {
    const HedgeSetting setting{report.bookmaker, report.exchange, *request.price, request.rate};
    const bool wins = request.target == HedgeTarget::WinsZero;
    const bool loses = request.target == HedgeTarget::LosesZero;
    const Rounding rounding = wins ? Rounding::Down : loses ? Rounding::Up : Rounding::Nearest;
    const SolvedStake solved = hedgeStake(setting, request.target, request.percent, rounding);
    ifNone = solved.exactlyZero ? (wins || loses ? NoHedgeReason::Reached : NoHedgeReason::Even)
             : solved.stake.isZero() ? NoHedgeReason::RoundsToNothing
                                     : NoHedgeReason::Reached;
    Money stake = solved.stake;
    if (!wins && !loses) return stake;
    auto losesNothing = [&](Money at) {
        const OutcomePair net = placed(report, hedgeOf(at, *request.price), request.rate).net;
        return (wins ? net.wins : net.loses).compare(0.0) >= 0;
    };
    const Money further = wins ? kCent : Money() - kCent;  // a lay lowers what a win pays
    for (int step = 0; step < 3 && !losesNothing(stake); ++step) stake = stake - further;
    for (int step = 0; step < 3 && losesNothing(stake + further); ++step) stake = stake + further;
    return stake;
}

void hedge(const PositionRequest& request, PositionReport& report) {
    NoHedgeReason ifNone = NoHedgeReason::Even;
    const Money stake = targetStake(request, report, ifNone);
    const bool oneOutcome =
        request.target == HedgeTarget::WinsZero || request.target == HedgeTarget::LosesZero;
    if (stake.isZero()) {
        report.noHedge = ifNone;
        return;
    }
    const HedgeBet bet = hedgeOf(stake, *request.price);
    const PositionReport with = placed(report, bet, request.rate);
    if (!oneOutcome && shownSpread(with.net) >= shownSpread(report.net)) {
        report.noHedge = NoHedgeReason::NotNarrowing;
        return;
    }
    report.hedge = bet;
    const bool underStake = request.minStake && bet.stake < *request.minStake;
    const bool paysEnough = request.minPayout && bet.stake * bet.price >= *request.minPayout;
    report.belowMinimum = underStake && !paysEnough;
    if (!report.belowMinimum) {
        report.exchange = with.exchange;
        settle(report, request.rate);
    }
}

}  // namespace

std::string HedgeBet::text(const NumberFormat& format) const {
    return std::string(side == BetSide::Lay ? "Lay " : "Back ") + stake.display(format) + " @ " +
           price.display(format);
}

Money HedgeBet::liability() const {
    return side == BetSide::Lay ? stake * (price - kOne) : stake;
}

bool PositionReport::hasBookmakerBets() const {
    return std::any_of(kBetKinds.begin(), kBetKinds.end(), [&](const BetKindInfo& info) {
        return info.venue == Venue::Bookmaker && !of(info.kind).stake.isZero();
    });
}

PositionReport ComputePosition(const PositionRequest& request) {
    PositionReport report;
    for (const Bet& bet : request.bets) {
        SideTotals& totals = report.totals[static_cast<std::size_t>(bet.kind)];
        totals.stake = totals.stake + bet.stake;
        totals.stakeTimesPrice = totals.stakeTimesPrice + bet.stake * bet.price;
        OutcomePair& part =
            bet.info().venue == Venue::Bookmaker ? report.bookmaker : report.exchange;
        part = part + pays(bet);
    }
    for (SideTotals& side : report.totals)
        if (!side.stake.isZero())
            side.averagePrice = mulDivRounded(side.stakeTimesPrice, kOne, side.stake, kCent);
    report.before = report.bookmaker + report.exchange;
    settle(report, request.rate);
    if (request.price) hedge(request, report);
    return report;
}

}  // namespace quorvel
