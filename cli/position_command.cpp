#include "cli/position_command.h"

#include "cli/single_calculation.h"
#include "input/bet_arguments.h"

namespace quorvel::cli {

namespace {

enum class Setting { Price, Hedge, Rate, MinStake, MinPayout };

std::string nameOf(Setting setting, Spelling spelling) {
    switch (setting) {
        case Setting::Price:
            return spelled(spelling, "--price");
        case Setting::Hedge:
            return spelled(spelling, "--hedge");
        case Setting::Rate:
            return spelled(spelling, "--rate");
        case Setting::MinStake:
            return spelled(spelling, "--min-stake");
        case Setting::MinPayout:
            return spelled(spelling, "--min-payout");
    }
    return "";
}

void readHedge(const std::string& name, const std::string& text, PositionRequest& request,
               const NumberFormat& format) {
    if (text == "equal") {
        request.target = HedgeTarget::Equal;
    } else if (text == "wins-zero") {
        request.target = HedgeTarget::WinsZero;
    } else if (text == "loses-zero") {
        request.target = HedgeTarget::LosesZero;
    } else if (text.size() > 1 && text.back() == '%') {
        request.target = HedgeTarget::Percent;
        const RefusedArgument refusal = notAccepted(name, text, "a percentage above 0, up to 100");
        try {
            request.percent = Money::parse(text.substr(0, text.size() - 1), format);
        } catch (const MoneyError&) {
            throw refusal;
        }
        if (request.percent.compare(0.0) <= 0 || request.percent > Money::fromWhole(100))
            throw refusal;
    } else {
        throw RefusedArgument{name + ": \"" + text +
                              "\" is not equal, N%, wins-zero or loses-zero"};
    }
}

// The percentage as written: 50, 12.5.
std::string percentText(Money percent, const NumberFormat& format) {
    std::string text = percent.display(format);
    const std::string zeros = format.decimalSeparator() + "00";
    if (text.ends_with(zeros)) text.resize(text.size() - zeros.size());
    return text;
}

std::string aimText(const PositionRequest& request, const NumberFormat& format) {
    switch (request.target) {
        case HedgeTarget::Equal:
            return "the green-up";
        case HedgeTarget::Percent:
            return percentText(request.percent, format) + " % of the green-up";
        case HedgeTarget::WinsZero:
            return "nothing lost if it wins";
        case HedgeTarget::LosesZero:
            return "nothing lost if it loses";
    }
    return "";
}

std::string noHedgeText(NoHedgeReason reason, Money price, const NumberFormat& format) {
    switch (reason) {
        case NoHedgeReason::Even:
            return "the position is even at " + price.display(format);
        case NoHedgeReason::Reached:
            return "the outcome aimed at already loses nothing";
        case NoHedgeReason::RoundsToNothing:
            return "the stake at " + price.display(format) + " rounds to nothing";
        case NoHedgeReason::NotNarrowing:
            return "to the cent, a hedge at " + price.display(format) +
                   " would not bring the nets closer";
    }
    return "";
}

std::string hedgeLine(const PositionRequest& request, const PositionReport& report,
                      const NumberFormat& format) {
    if (!report.hedge) return "No hedge: " + noHedgeText(*report.noHedge, *request.price, format);
    const HedgeBet& hedge = *report.hedge;
    std::string text = std::string(hedge.side == BetSide::Lay ? "Lay " : "Back ") +
                       hedge.stake.display(format) + " at " + hedge.price.display(format) + ", " +
                       aimText(request, format);
    if (hedge.side == BetSide::Lay)
        text += " (liability " + hedge.liability().display(format) + ")";
    if (report.belowMinimum) {
        text += ": below the minimum stake " + request.minStake->display(format);
        if (request.minPayout) text += " and payout " + request.minPayout->display(format);
        text += ", not placed";
    }
    return text;
}

std::string outcomeTable(const PositionRequest& request, const PositionReport& report,
                         const NumberFormat& format) {
    const bool parts = report.hasBookmakerBets();
    auto row = [&](const char* name, auto pick) {
        std::vector<std::string> cells{name, pick(report.before).display(format)};
        if (parts) {
            cells.push_back(pick(report.bookmaker).display(format));
            cells.push_back(pick(report.exchange).display(format));
        }
        if (request.price) cells.push_back(pick(report.after).display(format));
        cells.push_back(pick(report.commission).display(format));
        cells.push_back(pick(report.net).display(format));
        return cells;
    };
    std::vector<std::string> heading{"Selection", request.price ? "Before" : "P/L"};
    if (parts) heading.insert(heading.end(), {"Bookmaker", "Exchange"});
    if (request.price) heading.push_back("After");
    heading.insert(heading.end(), {"Commission", "Net"});
    return alignedTable({heading, row("wins", [](const OutcomePair& p) { return p.wins; }),
                         row("loses", [](const OutcomePair& p) { return p.loses; })});
}

}  // namespace

PositionRequest readPosition(const PositionArguments& arguments, const NumberFormat& format) {
    auto name = [&](Setting setting) { return nameOf(setting, arguments.spelling); };
    if (arguments.bets.empty())
        throw RefusedArgument{arguments.spelling == Spelling::JsonKeys
                                  ? "position: expected at least one bet"
                                  : "expected at least one BET after position (see --help)"};
    PositionRequest request;
    for (const std::string& text : arguments.bets) request.bets.push_back(readBet(text, format));
    if (arguments.price)
        request.price = readLadderPrice(name(Setting::Price), *arguments.price, format);
    if (arguments.hedge) {
        if (!arguments.price)
            throw RefusedArgument{name(Setting::Hedge) + " goes with " + name(Setting::Price)};
        readHedge(name(Setting::Hedge), *arguments.hedge, request, format);
    }
    if (arguments.rate)
        request.rate = readExchangeRate(name(Setting::Rate), *arguments.rate, format);
    const std::string cents = "0 to 10000, in whole cents";
    if (arguments.minStake)
        request.minStake = readCents(name(Setting::MinStake), *arguments.minStake, Money(), false,
                                     kHighestAmount, cents, format);
    if (arguments.minPayout) {
        if (!arguments.minStake)
            throw RefusedArgument{name(Setting::MinPayout) + " goes with " +
                                  name(Setting::MinStake)};
        request.minPayout = readCents(name(Setting::MinPayout), *arguments.minPayout, Money(),
                                      false, kHighestAmount, cents, format);
    }
    return request;
}

std::string positionText(const PositionRequest& request, const PositionReport& report,
                         const NumberFormat& format) {
    std::vector<std::vector<std::string>> totals;
    for (const BetKindInfo& info : kBetKinds) {
        const SideTotals& side = report.of(info.kind);
        const bool exchange = info.venue == Venue::Exchange;
        if (!exchange && side.stake.isZero()) continue;  // the exchange's lines always show
        std::vector<std::string> cells{std::string(info.caption), side.stake.display(format)};
        if (!side.stake.isZero()) cells.push_back("at " + side.averagePrice.display(format));
        totals.push_back(cells);
    }
    std::string text = alignedTable(totals) + '\n' + outcomeTable(request, report, format);
    if (!request.price) return text;
    return text + '\n' + hedgeLine(request, report, format) + '\n';
}

std::string_view reasonKey(NoHedgeReason reason) {
    switch (reason) {
        case NoHedgeReason::Even:
            return "even";
        case NoHedgeReason::Reached:
            return "reached";
        case NoHedgeReason::RoundsToNothing:
            return "rounds-to-nothing";
        case NoHedgeReason::NotNarrowing:
            return "not-narrowing";
    }
    return "";
}

}  // namespace quorvel::cli
