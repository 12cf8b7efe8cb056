#include "cli/each_way_command.h"

#include <vector>

#include <nlohmann/json.hpp>

#include "cli/machine_format.h"
#include "cli/text_table.h"
#include "core/field_role.h"
#include "input/bet_arguments.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string ordinal(int n) {
    const char* suffix = n % 100 >= 11 && n % 100 <= 13 ? "th"
                         : n % 10 == 1                  ? "st"
                         : n % 10 == 2                  ? "nd"
                         : n % 10 == 3                  ? "rd"
                                                        : "th";
    return std::to_string(n) + suffix;
}

// "placed 2nd to 3rd", "placed 4th": the places an outcome stands for.
std::string placedIn(int from, int to) {
    return "placed " + ordinal(from) + (to > from ? " to " + ordinal(to) : "");
}

// The outcomes there are: the runner placed in the exchange's places only where it pays more
// than one, the extra places only where the bookmaker pays more places than the exchange.
std::vector<std::pair<EachWayOutcome, std::string>> outcomesOf(const EachWayRequest& request) {
    std::vector<std::pair<EachWayOutcome, std::string>> out{{kWins, "wins"}};
    if (request.exchangePlaces > 1) out.emplace_back(kPlaced, placedIn(2, request.exchangePlaces));
    if (request.bet.places > request.exchangePlaces)
        out.emplace_back(kExtraPlace, placedIn(request.exchangePlaces + 1, request.bet.places));
    out.emplace_back(kUnplaced, "unplaced");
    return out;
}

}  // namespace

namespace {

// STAKE@PRICE: the stake each way, and the bookmaker's price.
EachWayBet betOf(const std::string& text, const NumberFormat& format) {
    EachWayBet bet;
    const std::size_t at = text.find('@');
    if (at == std::string::npos)
        throw RefusedArgument{"each-way: \"" + text +
                              "\": expected STAKE@PRICE, the stake each way"};
    bet.stake = readCents("each-way stake", text.substr(0, at), Money(), true, kHighestAmount,
                          "above 0, up to 10000, in whole cents", format);
    bet.price =
        readCents("each-way price", text.substr(at + 1), Money::fromWhole(1), true, kHighestPrice,
                  "a bookmaker's price above 1.00, up to 1000, with up to two decimals", format);
    return bet;
}

// N/D: the fraction of the odds the place part is paid at.
void readTerms(const std::string& name, const std::string& terms, EachWayBet& bet) {
    const std::size_t slash = terms.find('/');
    try {
        if (slash == std::string::npos) throw RefusedArgument{};
        bet.termsDenominator = readWhole(name, terms.substr(slash + 1), 1, 100);
        bet.termsNumerator = readWhole(name, terms.substr(0, slash), 1, bet.termsDenominator);
    } catch (const RefusedArgument&) {
        throw notAccepted(name, terms, "N/D such as 1/5, N from 1 up to D, D up to 100");
    }
}

}  // namespace

EachWayRequest readEachWay(const EachWayArguments& arguments, const NumberFormat& format) {
    const Spelling s = arguments.spelling;
    EachWayRequest request;
    request.bet = betOf(arguments.bet, format);
    if (!arguments.terms || !arguments.places || !arguments.winLay || !arguments.placeLay)
        throw RefusedArgument{s == Spelling::JsonKeys
                                  ? "each_way takes terms, places, win_lay and place_lay"
                                  : "each-way takes --terms, --places, --win-lay and --place-lay"};
    readTerms(spelled(s, "--terms"), *arguments.terms, request.bet);
    request.bet.places = readWhole(spelled(s, "--places"), *arguments.places, 1, 10);
    request.exchangePlaces = arguments.exchangePlaces
                                 ? readWhole(spelled(s, "--exchange-places"),
                                             *arguments.exchangePlaces, 2, request.bet.places)
                                 : request.bet.places;
    request.winLay = readLadderPrice(spelled(s, "--win-lay"), *arguments.winLay, format);
    request.placeLay = readLadderPrice(spelled(s, "--place-lay"), *arguments.placeLay, format);
    if (arguments.rate)
        request.rate = readExchangeRate(spelled(s, "--rate"), *arguments.rate, format);
    return request;
}

std::string eachWayText(const EachWayRequest& request, const EachWayReport& report,
                        const NumberFormat& format) {
    const EachWayBet& bet = request.bet;
    std::string text = "Each way " + bet.stake.display(format) + " @ " + bet.price.display(format) +
                       ", " + std::to_string(bet.termsNumerator) + "/" +
                       std::to_string(bet.termsDenominator) + " the odds, " +
                       std::to_string(bet.places) + " places: the place part at " +
                       report.placePrice.displayFine(format) + "\n";
    text += "Lay " + report.winLayStake.display(format) + " @ " + request.winLay.display(format) +
            " in the win market (liability " + report.winLiability.display(format) + ")\n";
    text += "Lay " + report.placeLayStake.display(format) + " @ " +
            request.placeLay.display(format) + " in the place market, " +
            std::to_string(request.exchangePlaces) + " places (liability " +
            report.placeLiability.display(format) + ")\n\n";
    std::vector<std::vector<std::string>> rows{
        {"Outcome", "Bookmaker", "Win market", "Place market", "Net"}};
    for (const auto& [outcome, name] : outcomesOf(request)) {
        const auto i = static_cast<std::size_t>(outcome);
        rows.push_back({name, report.bookmaker[i].display(format),
                        report.winMarket[i].display(format), report.placeMarket[i].display(format),
                        report.net[i].display(format)});
    }
    return text + alignedTable(rows) + "Each market's commission at " +
           request.rate.display(format) + " % of its own positive net.\n";
}

std::string eachWayJson(const EachWayRequest& request, const EachWayReport& report) {
    Json outcomes = Json::array();
    for (const auto& [outcome, name] : outcomesOf(request)) {
        const auto i = static_cast<std::size_t>(outcome);
        outcomes.push_back({{"outcome", name},
                            {"bookmaker", used(report.bookmaker[i])},
                            {"win_market", used(report.winMarket[i])},
                            {"place_market", used(report.placeMarket[i])},
                            {"net", shown(report.net[i])},
                            {"net_exact", used(report.net[i])}});
    }
    const Json out{{"place_price", used(report.placePrice)},
                   {"place_winnings", used(report.placeWinnings)},
                   {"win_lay",
                    {{"stake", shown(report.winLayStake)},
                     {"price", shown(request.winLay)},
                     {"liability", used(report.winLiability)}}},
                   {"place_lay",
                    {{"stake", shown(report.placeLayStake)},
                     {"price", shown(request.placeLay)},
                     {"places", request.exchangePlaces},
                     {"liability", used(report.placeLiability)}}},
                   {"rate", used(request.rate)},
                   {"outcomes", outcomes}};
    return out.dump() + "\n";
}

}  // namespace quorvel::cli
