#include "cli/position_command.h"

#include "cli/single_calculation.h"
#include "core/field_role.h"
#include "core/price_ladder.h"

namespace quorvel::cli {

namespace {

// A price the exchange takes: on its ladder; otherwise the message names the nearest prices.
Money readPrice(const std::string& name, const std::string& text, const NumberFormat& format) {
    const Money price = readValue(name, text, FieldRole::Price, format);
    const PriceLadder& ladder = standardLadder();
    if (ladder.contains(price)) return price;
    const PriceLadder::Neighbours n = ladder.neighbours(price);
    std::string nearest;
    if (n.below) nearest = n.below->display(format);
    if (n.below && n.above) nearest += " and ";
    if (n.above) nearest += n.above->display(format);
    throw RefusedArgument{name + ": \"" + text + "\" is not on the exchange's price ladder; " +
                          (n.below && n.above ? "nearest: " : "nearest price: ") + nearest};
}

Bet readBet(const std::string& text, const NumberFormat& format) {
    const std::string name = "bet \"" + text + "\"";
    const ParsedBet parsed = parseBet(text, format);
    if (!parsed.bet && parsed.error == BetTextError::Shape)
        throw RefusedArgument{name +
                              ": expected back:STAKE@PRICE, lay:STAKE@PRICE or "
                              "free:STAKE@PRICE"};
    Bet bet = parsed.bet.value_or(Bet{});
    bet.stake =
        readValue(name + " stake", std::string(parsed.stakeText), FieldRole::Amount, format);
    if (bet.stake.isZero())
        throw RefusedArgument{name + " stake: \"" + std::string(parsed.stakeText) +
                              "\" is not accepted; a matched stake is above 0"};
    bet.price = readPrice(name + " price", std::string(parsed.priceText), format);
    return bet;
}

void readHedge(const std::string& text, PositionRequest& request, const NumberFormat& format) {
    if (text == "equal") {
        request.target = HedgeTarget::Equal;
    } else if (text == "wins-zero") {
        request.target = HedgeTarget::WinsZero;
    } else if (text == "loses-zero") {
        request.target = HedgeTarget::LosesZero;
    } else if (text.size() > 1 && text.back() == '%') {
        request.target = HedgeTarget::Percent;
        const std::string number = text.substr(0, text.size() - 1);
        const std::string refusal = "--hedge: \"" + text +
                                    "\" is not accepted; accepted: a "
                                    "percentage above 0, up to 100";
        try {
            request.percent = Money::parse(number, format);
        } catch (const MoneyError&) {
            throw RefusedArgument{refusal};
        }
        if (request.percent.compare(0.0) <= 0 || request.percent > Money::fromWhole(100))
            throw RefusedArgument{refusal};
    } else {
        throw RefusedArgument{"--hedge: \"" + text +
                              "\" is not equal, N%, wins-zero or loses-zero"};
    }
}

}  // namespace

PositionRequest readPosition(const PositionArguments& arguments, const NumberFormat& format) {
    if (arguments.bets.empty())
        throw RefusedArgument{"expected at least one BET after position (see --help)"};
    PositionRequest request;
    for (const std::string& text : arguments.bets) request.bets.push_back(readBet(text, format));
    if (arguments.price) request.price = readPrice("--price", *arguments.price, format);
    if (arguments.hedge) {
        if (!arguments.price) throw RefusedArgument{"--hedge goes with --price"};
        readHedge(*arguments.hedge, request, format);
    }
    if (arguments.rate)
        request.rate = readValue("--rate", *arguments.rate, FieldRole::Commission, format);
    if (arguments.minStake)
        request.minStake = readValue("--min-stake", *arguments.minStake, FieldRole::Amount, format);
    return request;
}

std::string positionText(const PositionRequest& request, const PositionReport& report,
                         const NumberFormat& format) {
    auto side = [&](const char* name, const SideTotals& totals) {
        std::vector<std::string> cells{name, totals.stake.display(format)};
        if (!totals.stake.isZero()) cells.push_back("at " + totals.averagePrice.display(format));
        return cells;
    };
    std::string text = alignedTable({side("Backed", report.backs), side("Laid", report.lays)});

    auto row = [&](const char* name, Money before, Money after, Money commission, Money net) {
        std::vector<std::string> cells{name, before.display(format)};
        if (request.price) cells.push_back(after.display(format));
        cells.push_back(commission.display(format));
        cells.push_back(net.display(format));
        return cells;
    };
    std::vector<std::string> heading{"Selection", request.price ? "Before" : "P/L"};
    if (request.price) heading.push_back("After");
    heading.insert(heading.end(), {"Commission", "Net"});
    text += '\n';
    text += alignedTable({heading,
                          row("wins", report.before.wins, report.after.wins, report.commission.wins,
                              report.net.wins),
                          row("loses", report.before.loses, report.after.loses,
                              report.commission.loses, report.net.loses)});
    if (!request.price) return text;

    text += '\n';
    if (!report.hedge)
        return text + "No hedge: the position is even at " + request.price->display(format) + "\n";
    const HedgeBet& hedge = *report.hedge;
    text += std::string(hedge.side == BetSide::Lay ? "Lay " : "Back ") +
            hedge.stake.display(format) + " at " + hedge.price.display(format);
    if (report.belowMinimum)
        text += ": below the minimum stake " + request.minStake->display(format) + ", not placed";
    return text + "\n";
}

}  // namespace quorvel::cli
