#include "core/market.h"

#include "core/book.h"
#include "core/market_net.h"

namespace quorvel {

namespace {

// Each runner's bets as what the market pays if each runner wins, by venue: every runner's
// "loses", plus the winner's "wins" less its "loses".
GreenSetting settingOf(const MarketRequest& request) {
    GreenSetting setting{request, {}, {}, {}};
    const std::size_t n = request.runners.size();
    std::vector<OutcomePair> exchange(n), bookmaker(n);
    Money exchangeLoses, bookmakerLoses;
    for (std::size_t i = 0; i < n; ++i) {
        for (const Bet& bet : request.runners[i].bets) {
            OutcomePair& part = bet.info().venue == Venue::Bookmaker ? bookmaker[i] : exchange[i];
            part = part + pays(bet);
        }
        exchangeLoses = exchangeLoses + exchange[i].loses;
        bookmakerLoses = bookmakerLoses + bookmaker[i].loses;
    }
    for (std::size_t k = 0; k < n; ++k) {
        setting.exchange.push_back(exchangeLoses + exchange[k].wins - exchange[k].loses);
        setting.bookmaker.push_back(bookmakerLoses + bookmaker[k].wins - bookmaker[k].loses);
        setting.spread.push_back(exchange[k].wins + bookmaker[k].wins - exchange[k].loses -
                                 bookmaker[k].loses);
    }
    return setting;
}

std::optional<Money> bookOf(const std::vector<Runner>& runners,
                            std::optional<Money> Runner::*side) {
    std::vector<Money> prices;
    for (const Runner& r : runners) {
        if (!(r.*side)) return std::nullopt;
        prices.push_back(*(r.*side));
    }
    if (prices.empty()) return std::nullopt;
    return bookPercent(prices);
}

GreenResult greenOf(const MarketRequest& request, const GreenSetting& setting) {
    const GreenInfo* info = greenInfo(request.green);
    if (!info || request.runners.empty()) return {};
    // One runner is certain to win: there is nothing to hedge against.
    if (request.runners.size() == 1) return {GreenProblem::Certain, 0, false, {}, std::nullopt};
    GreenResult result = info->compute(setting);
    if (result.problem != GreenProblem::None) result.hedges.clear();
    return result;
}

// Each runner's figures with the green's placeable bets placed.
void settle(const GreenSetting& setting, const Hedges& hedges, MarketReport& report) {
    const MarketRequest& request = setting.request;
    for (std::size_t i = 0; i < hedges.size(); ++i) {
        RunnerOutcome& r = report.runners[i];
        r.hedge = hedges[i];
        r.belowMinimum = r.hedge && underMinimum(request, *r.hedge);
        if (r.hedge && !r.belowMinimum) report.staked = report.staked + r.hedge->stake;
    }
    const Money cash = cashOf(setting, hedges);
    for (std::size_t k = 0; k < report.runners.size(); ++k) {
        RunnerOutcome& r = report.runners[k];
        const Money exchange = setting.exchange[k] + cash + ownPart(request, hedges[k]);
        r.after = exchange + setting.bookmaker[k];
        r.commission = commissionOn(exchange, request.rate);
        r.net = r.after - r.commission;
        if (k == 0 || r.net < report.lowest) report.lowest = r.net;
    }
}

}  // namespace

MarketReport ComputeMarket(const MarketRequest& request) {
    if (request.winners > 1) return ComputePlaceMarket(request);
    const GreenSetting setting = settingOf(request);
    MarketReport report;
    report.backBook = bookOf(request.runners, &Runner::back);
    report.layBook = bookOf(request.runners, &Runner::lay);
    const GreenResult green = greenOf(request, setting);
    report.problem = green.problem;
    report.problemRunner = green.problemRunner;
    report.problemPriceIsBack = green.problemPriceIsBack;
    report.exactLevel = green.exactLevel;
    report.runners.resize(request.runners.size());
    for (std::size_t k = 0; k < report.runners.size(); ++k)
        report.runners[k].ifWins = setting.exchange[k] + setting.bookmaker[k];
    Hedges hedges = green.hedges;
    hedges.resize(request.runners.size());
    settle(setting, hedges, report);
    return report;
}

std::string exactShortfall(const MarketReport& report, const NumberFormat& format) {
    if (!report.exactLevel || report.lowest >= *report.exactLevel) return "";
    return ", " + (*report.exactLevel - report.lowest).displayFine(format) + " under the exact " +
           report.exactLevel->displayFine(format);
}

}  // namespace quorvel
