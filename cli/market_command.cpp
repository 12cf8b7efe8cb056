#include "cli/market_command.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "cli/machine_format.h"
#include "cli/text_table.h"
#include "core/field_role.h"
#include "core/money_ratio.h"
#include "core/name_text.h"
#include "input/bet_arguments.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

// NAME=TEXT, NAME being what stands before the last '='.
std::pair<std::string, std::string> named(const std::string& argument, const char* what) {
    const std::size_t equals = argument.rfind('=');
    if (equals == std::string::npos || equals == 0)
        throw RefusedArgument{"\"" + argument + "\": expected NAME=" + what};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

RunnerArguments& runnerNamed(std::vector<RunnerArguments>& runners, const std::string& name) {
    const auto found = std::find_if(runners.begin(), runners.end(),
                                    [&](const RunnerArguments& r) { return r.name == name; });
    if (found != runners.end()) return *found;
    return runners.emplace_back(RunnerArguments{name, {}, {}, {}});
}

// A name that every table, file and JSON answer can hold as it is.
void checkRunnerName(const std::string& name) {
    if (name.empty()) throw RefusedArgument{"a runner needs a name"};
    switch (checkName(name)) {
        case NameProblem::None:
            return;
        case NameProblem::NotUtf8:
            throw RefusedArgument{"runner \"" + name + "\": a name must be UTF-8 text"};
        case NameProblem::Control:
            throw RefusedArgument{"runner \"" + name +
                                  "\": a name holds no control characters (tabs, newlines)"};
    }
}

// A bet, "/after" at its end marking one matched after the non-runners withdrew (in play).
Bet readMarkedBet(const std::string& text, const NumberFormat& format) {
    constexpr std::string_view kAfter = "/after";
    const bool after = text.ends_with(kAfter);
    Bet bet = readBet(after ? text.substr(0, text.size() - kAfter.size()) : text, format);
    bet.matchedAfter = after;
    return bet;
}

Runner readRunner(const RunnerArguments& given, const NumberFormat& format) {
    checkRunnerName(given.name);
    Runner runner{given.name, {}, std::nullopt, std::nullopt};
    for (const std::string& bet : given.bets) runner.bets.push_back(readMarkedBet(bet, format));
    const std::string& name = given.name;
    if (!given.back.empty())
        runner.back = readLadderPrice("runner \"" + name + "\" back", given.back, format);
    if (!given.lay.empty())
        runner.lay = readLadderPrice("runner \"" + name + "\" lay", given.lay, format);
    if (runner.back && runner.lay && *runner.back > *runner.lay)
        throw RefusedArgument{"runner \"" + name + "\": the back price " +
                              runner.back->display(format) + " is above the lay price " +
                              runner.lay->display(format)};
    return runner;
}

Green greenOf(const std::string& text, const std::string& name) {
    if (const std::optional<Green> green = greenNamed(text)) return *green;
    std::string names;
    for (const GreenInfo& info : kGreens)
        names += (names.empty() ? "" : " or ") + std::string(info.name);
    throw RefusedArgument{std::string(name) + ": \"" + text + "\" is not " + names};
}

std::string priceText(const std::optional<Money>& price, const NumberFormat& format) {
    return price ? price->display(format) : "-";
}

Json optionalShown(const std::optional<Money>& value) {
    return value ? Json(shown(*value)) : Json(nullptr);
}

std::string greenName(Green green) {
    const GreenInfo* info = greenInfo(green);
    return info ? std::string(info->name) : "none";
}

}  // namespace

std::vector<RunnerArguments> runnersOfWords(const std::vector<std::string>& bets,
                                            const std::vector<std::string>& prices) {
    std::vector<RunnerArguments> runners;
    for (const std::string& argument : bets) {
        auto [name, text] = named(argument, "BET");
        runnerNamed(runners, name).bets.push_back(std::move(text));
    }
    for (const std::string& argument : prices) {
        const auto [name, text] = named(argument, "BACK/LAY");
        const std::size_t slash = text.find('/');
        if (slash == std::string::npos)
            throw RefusedArgument{"runner \"" + name + "\" prices: \"" + text +
                                  "\": expected BACK/LAY, either of them empty when not known"};
        RunnerArguments& runner = runnerNamed(runners, name);
        if (!runner.back.empty() || !runner.lay.empty())
            throw RefusedArgument{"runner \"" + name + "\": its prices are given twice"};
        runner.back = text.substr(0, slash);
        runner.lay = text.substr(slash + 1);
    }
    return runners;
}

MarketRequest readMarket(const MarketArguments& arguments, const NumberFormat& format) {
    MarketRequest request;
    for (const RunnerArguments& runner : arguments.runners) {
        if (std::any_of(request.runners.begin(), request.runners.end(),
                        [&](const Runner& r) { return r.name == runner.name; }))
            throw RefusedArgument{"runner \"" + runner.name + "\" is named twice"};
        request.runners.push_back(readRunner(runner, format));
    }
    if (request.runners.empty())
        throw RefusedArgument{"expected the market's runners, as NAME=BET or with --prices"};
    if (arguments.winners)
        request.winners = readWhole(spelled(arguments.spelling, "--winners"), *arguments.winners, 1,
                                    std::max(1, static_cast<int>(request.runners.size()) - 1));
    if (arguments.green)
        request.green = greenOf(*arguments.green, spelled(arguments.spelling, "--green"));
    if (arguments.rate)
        request.rate =
            readExchangeRate(spelled(arguments.spelling, "--rate"), *arguments.rate, format);
    const std::string cents = "0 to 10000, in whole cents";
    if (arguments.minStake)
        request.minStake =
            readCents(spelled(arguments.spelling, "--min-stake"), *arguments.minStake, Money(),
                      false, kHighestAmount, cents, format);
    if (arguments.minPayout) {
        if (!arguments.minStake)
            throw RefusedArgument{spelled(arguments.spelling, "--min-payout") + " goes with " +
                                  spelled(arguments.spelling, "--min-stake")};
        request.minPayout =
            readCents(spelled(arguments.spelling, "--min-payout"), *arguments.minPayout, Money(),
                      false, kHighestAmount, cents, format);
    }
    return request;
}

MarketReport marketOrRefuse(const MarketRequest& request) {
    MarketReport report = ComputeMarket(request);
    if (report.problem != GreenProblem::MissingPrice) return report;
    throw RefusedArgument{std::string("green ") + greenName(request.green) + ": runner \"" +
                          request.runners[report.problemRunner].name + "\" has no " +
                          (report.problemPriceIsBack ? "back" : "lay") + " price"};
}

namespace {

// One row a runner: a win market's what it wins and what that nets, or, with several winners,
// what its placing adds before and after the green.
std::vector<std::vector<std::string>> runnerRows(const MarketRequest& request,
                                                 const MarketReport& report,
                                                 const NumberFormat& format) {
    const bool placed = request.winners > 1;
    std::vector<std::vector<std::string>> rows{
        {"Runner", "Back", "Lay", "Bets", placed ? "If placed" : "If wins", "Hedge", "After"}};
    if (!placed) rows[0].insert(rows[0].end(), {"Commission", "Net"});
    for (std::size_t i = 0; i < request.runners.size(); ++i) {
        const Runner& r = request.runners[i];
        const RunnerOutcome& o = report.runners[i];
        Money staked;
        for (const Bet& bet : r.bets) staked = staked + bet.stake;
        rows.push_back(
            {r.name, priceText(r.back, format), priceText(r.lay, format), staked.display(format),
             (placed ? o.ifPlaced : o.ifWins).display(format),
             o.hedge ? o.hedge->text(format) + (o.belowMinimum ? " (under the minimum)" : "") : "",
             placed ? o.after.displayFine(format) : o.after.display(format)});
        if (!placed)
            rows.back().insert(rows.back().end(),
                               {o.commission.display(format), o.net.display(format)});
    }
    return rows;
}

// "A and C placed: pays 40.00, nets 38.00".
std::string outcomeText(const char* which, const MarketRequest& request, const PlacedOutcome& o,
                        const NumberFormat& format) {
    std::string names;
    for (std::size_t k = 0; k < o.placed.size(); ++k)
        names += (k == 0                     ? ""
                  : k + 1 == o.placed.size() ? " and "
                                             : ", ") +
                 request.runners[o.placed[k]].name;
    return std::string(which) + ": " + names + " placed, pays " + o.pays.displayFine(format) +
           ", nets " + o.net.displayFine(format) + "\n";
}

}  // namespace

std::string marketText(const MarketRequest& request, const MarketReport& report,
                       const NumberFormat& format) {
    std::string text =
        alignedTable(runnerRows(request, report, format)) + "\nBook: back " +
        priceText(report.backBook, format) + " %, lay " + priceText(report.layBook, format) + " %" +
        (request.winners > 1 ? " (" + std::to_string(request.winners) + " places: " +
                                   std::to_string(100 * request.winners) + " % is level)"
                             : "") +
        "\n";
    if (report.worst && report.best)
        text += outcomeText("Worst", request, *report.worst, format) +
                outcomeText("Best", request, *report.best, format);
    const GreenInfo* info = greenInfo(request.green);
    if (!info) return text;
    const std::string green(info->caption);
    if (report.problem == GreenProblem::Arbitrage)
        return text + green + ": the books are an arbitrage (back under " +
               std::to_string(100 * request.winners) +
               " % or lay over): " + "no level is the best, nothing staked\n";
    if (report.problem == GreenProblem::Certain)
        return text + green + ": one runner is certain to win, nothing staked\n";
    return text + green + ": stakes " + report.staked.display(format) + ", locks in " +
           report.lowest.displayFine(format) + exactShortfall(report, format) + "\n";
}

namespace {

Json runnerJson(const MarketRequest& request, const MarketReport& report, std::size_t i) {
    const Runner& r = request.runners[i];
    const RunnerOutcome& o = report.runners[i];
    Json hedge = nullptr;
    if (o.hedge) {
        hedge = {{"side", o.hedge->side == BetSide::Lay ? "lay" : "back"},
                 {"price", shown(o.hedge->price)},
                 {"stake", shown(o.hedge->stake)}};
        if (o.belowMinimum) hedge["below_minimum"] = true;
    }
    if (request.winners > 1)
        return {{"name", r.name},
                {"back", optionalShown(r.back)},
                {"lay", optionalShown(r.lay)},
                {"if_placed", shown(o.ifPlaced)},
                {"hedge", hedge},
                {"after", used(o.after)}};
    return {{"name", r.name},
            {"back", optionalShown(r.back)},
            {"lay", optionalShown(r.lay)},
            {"if_wins", shown(o.ifWins)},
            {"hedge", hedge},
            {"after", shown(o.after)},
            {"commission", shown(o.commission)},
            {"net", shown(o.net)}};
}

Json outcomeJson(const MarketRequest& request, const PlacedOutcome& outcome) {
    Json placed = Json::array();
    for (std::size_t k : outcome.placed) placed.push_back(request.runners[k].name);
    return {{"placed", placed},
            {"pays", used(outcome.pays)},
            {"commission", shown(outcome.commission)},
            {"net", used(outcome.net)}};
}

}  // namespace

std::string marketJson(const MarketRequest& request, const MarketReport& report) {
    Json runners = Json::array();
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        runners.push_back(runnerJson(request, report, i));
    Json json{{"runners", runners},
              {"book",
               {{"back", optionalShown(report.backBook)}, {"lay", optionalShown(report.layBook)}}},
              {"green", greenName(request.green)},
              {"rate", used(request.rate)},
              {"staked", shown(report.staked)}};
    json["locks_in"] = used(report.lowest);
    if (request.winners > 1 && report.worst && report.best) {
        json["winners"] = request.winners;
        json["worst"] = outcomeJson(request, *report.worst);
        json["best"] = outcomeJson(request, *report.best);
    }
    if (report.exactLevel) json["exact_level"] = used(*report.exactLevel);
    if (report.problem == GreenProblem::Arbitrage) json["problem"] = "arbitrage";
    if (report.problem == GreenProblem::Certain) json["problem"] = "certain";
    return json.dump() + "\n";
}

namespace {

// A back dutch may be placed at a bookmaker; a lay is made at the exchange, on its ladder.
DutchRunner dutchRunner(DutchSide side, const std::string& name, const std::string& price,
                        const NumberFormat& format) {
    checkRunnerName(name);
    const std::string what = "runner \"" + name + "\" price";
    if (side == DutchSide::Lay) return {name, readLadderPrice(what, price, format)};
    return {name, readCents(what, price, Money::fromWhole(1), true, kHighestPrice,
                            "a price above 1.00, up to 1000, with up to two decimals", format)};
}

}  // namespace

std::vector<std::pair<std::string, std::string>> dutchRunnersOfWords(
    const std::vector<std::string>& words) {
    std::vector<std::pair<std::string, std::string>> runners;
    for (const std::string& word : words) runners.push_back(named(word, "PRICE"));
    return runners;
}

DutchRequest readDutch(const DutchArguments& arguments, const NumberFormat& format) {
    const bool keys = arguments.spelling == Spelling::JsonKeys;
    DutchRequest request;
    if (arguments.side == "back")
        request.side = DutchSide::Back;
    else if (arguments.side == "lay")
        request.side = DutchSide::Lay;
    else
        throw RefusedArgument{"dutch: expected back or lay, then NAME=PRICE..."};
    for (const auto& [name, text] : arguments.runners)
        request.runners.push_back(dutchRunner(request.side, name, text, format));
    if (request.runners.empty()) throw RefusedArgument{"dutch: expected NAME=PRICE..."};
    const int targets =
        (arguments.stake ? 1 : 0) + (arguments.profit ? 1 : 0) + (arguments.liability ? 1 : 0);
    const bool back = request.side == DutchSide::Back;
    if (targets != 1 || (back && arguments.liability) || (!back && !arguments.liability))
        throw RefusedArgument{
            back ? (keys ? "a back dutch takes stake or profit"
                         : "a back dutch takes --stake T or --profit P")
                 : (keys ? "a lay dutch takes liability" : "a lay dutch takes --liability L")};
    request.target = arguments.stake    ? DutchTarget::Stake
                     : arguments.profit ? DutchTarget::Profit
                                        : DutchTarget::Liability;
    const std::string& amount = arguments.stake    ? *arguments.stake
                                : arguments.profit ? *arguments.profit
                                                   : *arguments.liability;
    const std::string name = spelled(arguments.spelling, arguments.stake    ? "--stake"
                                                         : arguments.profit ? "--profit"
                                                                            : "--liability");
    request.amount = readCents(name, amount, Money(), true, kHighestAmount,
                               "above 0, up to 10000, in whole cents", format);
    if (arguments.rate)
        request.rate =
            readExchangeRate(spelled(arguments.spelling, "--rate"), *arguments.rate, format);
    return request;
}

// A lay dutch's stakes are exchange bets: each must be one the exchange (and a position) takes.
void refuseUnplaceableLays(const DutchRequest& request, const DutchReport& report,
                           const NumberFormat& format) {
    if (request.side != DutchSide::Lay) return;
    for (std::size_t i = 0; i < report.stakes.size(); ++i)
        if (report.stakes[i] <= Money() || report.stakes[i] > kHighestAmount)
            throw RefusedArgument{"a lay dutch would stake " + report.stakes[i].display(format) +
                                  " on runner \"" + request.runners[i].name +
                                  "\"; a stake must be above 0, up to 10000"};
}

DutchReport dutchOrRefuse(const DutchRequest& request, const NumberFormat& format) {
    if (auto report = ComputeDutch(request)) {
        refuseUnplaceableLays(request, *report, format);
        return *report;
    }
    DutchRequest anyStake = request;  // the book, for the message
    anyStake.side = DutchSide::Back;
    anyStake.target = DutchTarget::Stake;
    const Money book = ComputeDutch(anyStake)->book;
    throw RefusedArgument{
        std::string(request.side == DutchSide::Lay ? "a lay dutch" : "a profit from a back dutch") +
        " needs a book under 100 %; this one is " + book.display(format) + " %"};
}

std::string dutchText(const DutchRequest& request, const DutchReport& report,
                      const NumberFormat& format) {
    std::vector<std::vector<std::string>> rows{{"Runner", "Price", "Stake", "If wins", "Net"}};
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        rows.push_back({request.runners[i].name, request.runners[i].price.display(format),
                        report.stakes[i].display(format), report.ifWins[i].display(format),
                        report.netIfWins[i].display(format)});
    return alignedTable(rows) + "\nAnother runner wins: " + report.ifOtherWins.display(format) +
           " (" + report.netIfOtherWins.display(format) + " after commission)\n" +
           (request.side == DutchSide::Back ? "Backed " : "Laid ") + report.staked.display(format) +
           ", book " + report.book.display(format) + " %\n";
}

std::string dutchJson(const DutchRequest& request, const DutchReport& report) {
    Json runners = Json::array();
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        runners.push_back({{"name", request.runners[i].name},
                           {"price", shown(request.runners[i].price)},
                           {"stake", shown(report.stakes[i])},
                           {"if_wins", shown(report.ifWins[i])},
                           {"net", shown(report.netIfWins[i])}});
    return Json{{"side", request.side == DutchSide::Back ? "back" : "lay"},
                {"runners", runners},
                {"if_other_wins", shown(report.ifOtherWins)},
                {"if_other_wins_net", shown(report.netIfOtherWins)},
                {"staked", shown(report.staked)},
                {"book", shown(report.book)},
                {"rate", used(request.rate)}}
               .dump() +
           "\n";
}

namespace {

// The runner of that name, or refused naming the option that named it.
std::size_t runnerIndex(const MarketRequest& request, const std::string& name,
                        const std::string& option) {
    const auto found = std::find_if(request.runners.begin(), request.runners.end(),
                                    [&](const Runner& r) { return r.name == name; });
    if (found == request.runners.end())
        throw RefusedArgument{option + ": runner \"" + name + "\" is not in the market"};
    return static_cast<std::size_t>(found - request.runners.begin());
}

// "A,B": the runners named, each in the market, none twice.
std::vector<std::size_t> runnersNamed(const std::string& list, const std::string& option,
                                      const MarketRequest& request,
                                      std::vector<std::size_t>& named) {
    std::vector<std::size_t> out;
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::string name = list.substr(at, comma - at);
        at = comma + 1;
        const std::size_t i = runnerIndex(request, name, option);
        if (std::find(named.begin(), named.end(), i) != named.end())
            throw RefusedArgument{std::string(option) + ": runner \"" + name +
                                  "\" is named twice in the result"};
        named.push_back(i);
        out.push_back(i);
    }
    return out;
}

std::string namesOf(const MarketRequest& request, const std::vector<std::size_t>& runners) {
    std::string names;
    for (std::size_t k = 0; k < runners.size(); ++k)
        names += (k == 0                    ? ""
                  : k + 1 == runners.size() ? " and "
                                            : ", ") +
                 request.runners[runners[k]].name;
    return names;
}

}  // namespace

std::optional<MarketResult> readResult(const MarketArguments& arguments,
                                       const MarketRequest& request) {
    if (!arguments.placed && !arguments.deadHeat) return std::nullopt;
    std::vector<std::size_t> named;
    MarketResult result;
    if (arguments.placed)
        result.placed = runnersNamed(*arguments.placed, spelled(arguments.spelling, "--placed"),
                                     request, named);
    if (arguments.deadHeat)
        result.deadHeat = runnersNamed(*arguments.deadHeat,
                                       spelled(arguments.spelling, "--dead-heat"), request, named);
    const auto left =
        static_cast<std::size_t>(request.winners) -
        std::min<std::size_t>(result.placed.size(), static_cast<std::size_t>(request.winners));
    if (result.placed.size() > static_cast<std::size_t>(request.winners))
        throw RefusedArgument{"the result places " + std::to_string(result.placed.size()) +
                              " runners in a market of " + std::to_string(request.winners) +
                              " winners"};
    if (!result.deadHeat.empty() && result.deadHeat.size() <= left)
        throw RefusedArgument{"a dead heat ties more runners than the places left (" +
                              std::to_string(left) + "); name those placed with " +
                              spelled(arguments.spelling, "--placed")};
    if (result.deadHeat.empty() && left > 0)
        throw RefusedArgument{"the result leaves " + std::to_string(left) +
                              (left == 1 ? " place" : " places") +
                              " to no one: name the runners placed, or the dead heat for them"};
    return result;
}

std::string settledText(const MarketRequest& request, const MarketResult& result,
                        const Settled& settled, const NumberFormat& format) {
    std::string text =
        "\nResult: " + (result.placed.empty() ? std::string("none placed outright")
                                              : namesOf(request, result.placed) + " placed");
    if (!result.deadHeat.empty())
        text +=
            ", " + namesOf(request, result.deadHeat) + " dead-heat for " +
            std::to_string(request.winners - static_cast<int>(result.placed.size())) +
            (request.winners - static_cast<int>(result.placed.size()) == 1 ? " place" : " places");
    std::vector<std::vector<std::string>> rows{{"Runner", "Paid"}};
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        rows.push_back({request.runners[i].name, settled.paid[i].displayFine(format)});
    return text + "\n" + alignedTable(rows) + "Exchange " + settled.exchange.displayFine(format) +
           ", commission " + settled.commission.display(format) + ", net " +
           settled.net.displayFine(format) + "\n";
}

void addSettledJson(const MarketRequest& request, const Settled& settled, std::string& json) {
    Json out = Json::parse(json);
    Json paid = Json::object();
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        paid[request.runners[i].name] = used(settled.paid[i]);
    out["settled"] = {{"paid", paid},
                      {"exchange", used(settled.exchange)},
                      {"commission", shown(settled.commission)},
                      {"net", used(settled.net)}};
    json = out.dump() + "\n";
}

std::vector<NonRunner> readNonRunners(const MarketArguments& arguments,
                                      const MarketRequest& request, const NumberFormat& format) {
    const std::string option = spelled(arguments.spelling, "--non-runner");
    std::vector<NonRunner> out;
    for (const std::string& given : arguments.nonRunners) {
        const auto [name, factor] = named(given, "RF");
        const std::size_t i = runnerIndex(request, name, option);
        if (std::any_of(out.begin(), out.end(), [&](const NonRunner& n) { return n.runner == i; }))
            throw RefusedArgument{std::string(option) + ": runner \"" + name + "\" is named twice"};
        out.push_back({i, readCents(std::string(option) + " " + name, factor, Money(), false,
                                    Money::fromWhole(100), "0 to 100 (per cent)", format)});
    }
    if (!out.empty() &&
        request.runners.size() - out.size() <= static_cast<std::size_t>(request.winners))
        throw RefusedArgument{"the non-runners leave no more runners than the winners"};
    return out;
}

std::string withdrawalText(const MarketRequest& request, const std::vector<NonRunner>& nonRunners,
                           const NumberFormat& format) {
    std::string text;
    for (const NonRunner& n : nonRunners)
        text += "Non-runner " + request.runners[n.runner].name + ", reduction factor " +
                n.factor.display(format) + " %: its bets are void\n";
    for (std::size_t i = 0; i < request.runners.size(); ++i)
        for (const Bet& bet : request.runners[i].bets) {
            const Money reduced = reducedPrice(bet.price, nonRunners, request.winners);
            if (bet.matchedAfter || reduced == bet.price ||
                std::any_of(nonRunners.begin(), nonRunners.end(),
                            [&](const NonRunner& n) { return n.runner == i; }))
                continue;
            text += request.runners[i].name + ": " + std::string(bet.info().name) + " " +
                    bet.stake.display(format) + " @ " + bet.price.display(format) +
                    " now stands at " + reduced.displayFine(format) + "\n";
        }
    return text;
}

void addWithdrawalJson(const MarketRequest& request, const std::vector<NonRunner>& nonRunners,
                       std::string& json) {
    Json out = Json::parse(json);
    Json list = Json::array();
    for (const NonRunner& n : nonRunners)
        list.push_back({{"name", request.runners[n.runner].name}, {"factor", used(n.factor)}});
    out["non_runners"] = list;
    json = out.dump() + "\n";
}

std::string marketAnswer(const MarketArguments& arguments, const NumberFormat& format, bool json) {
    const MarketRequest read = readMarket(arguments, format);
    const std::vector<NonRunner> nonRunners = readNonRunners(arguments, read, format);
    const MarketRequest request = withoutNonRunners(read, nonRunners).request;
    const std::optional<MarketResult> result = readResult(arguments, request);
    const MarketReport report = marketOrRefuse(request);
    std::string out = json ? marketJson(request, report) : marketText(request, report, format);
    if (!nonRunners.empty()) {
        if (json)
            addWithdrawalJson(read, nonRunners, out);
        else
            out = withdrawalText(read, nonRunners, format) + "\n" + out;
    }
    if (result) {
        const Settled settled = SettleMarket(request, *result);
        if (json)
            addSettledJson(request, settled, out);
        else
            out += settledText(request, *result, settled, format);
    }
    return out;
}

}  // namespace quorvel::cli
