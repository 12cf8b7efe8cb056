#include "cli/acca_command.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "cli/machine_format.h"
#include "cli/text_table.h"
#include "core/field_role.h"
#include "input/bet_arguments.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

const std::string kCents = "above 0, up to 10000, in whole cents";

AccaLeg legOf(const std::string& text, std::size_t i, const std::string& option,
              const NumberFormat& format) {
    const std::string name = option + " " + std::to_string(i + 1);
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        throw RefusedArgument{name + ": \"" + text + "\": expected BACK/LAY, such as 1.80/1.85"};
    return {
        readCents(name + " back", text.substr(0, slash), Money::fromWhole(1), true, kHighestPrice,
                  "a bookmaker's price above 1.00, up to 1000, in cents", format),
        readLadderPrice(name + " lay", text.substr(slash + 1), format)};
}

PlacedLay placedOf(const std::string& text, std::size_t i, const std::string& option,
                   const NumberFormat& format) {
    const std::string name = option + " " + std::to_string(i + 1);
    const std::size_t at = text.find('@');
    if (at == std::string::npos)
        throw RefusedArgument{name + ": \"" + text + "\": expected STAKE@PRICE, such as 8.98@1.85"};
    return {readCents(name + " stake", text.substr(0, at), Money(), true, kHighestAmount, kCents,
                      format),
            readLadderPrice(name + " price", text.substr(at + 1), format)};
}

// "1, 3": the legs an outcome laid at once has won; "none".
std::string legsWon(unsigned won, std::size_t legs) {
    std::string text;
    for (std::size_t i = 0; i < legs; ++i)
        if ((won >> i & 1u) != 0) text += (text.empty() ? "" : ", ") + std::to_string(i + 1);
    return text.empty() ? "none" : text;
}

}  // namespace

AccaRequest readAcca(const AccaArguments& arguments, const NumberFormat& format) {
    const Spelling s = arguments.spelling;
    AccaRequest request;
    request.stake =
        readCents("acca stake", arguments.stake, Money(), true, kHighestAmount, kCents, format);
    if (arguments.legs.empty() || arguments.legs.size() > kMaxAccaLegs)
        throw RefusedArgument{"acca: expected 1 to 10 legs, each " + spelled(s, "--leg") +
                              " BACK/LAY"};
    for (std::size_t i = 0; i < arguments.legs.size(); ++i)
        request.legs.push_back(legOf(arguments.legs[i], i, spelled(s, "--leg"), format));
    request.kind = arguments.kind == "free"      ? AccaKind::FreeSnr
                   : arguments.kind == "free-sr" ? AccaKind::FreeSr
                                                 : AccaKind::Cash;
    if (arguments.refund) {
        if (request.kind != AccaKind::Cash)
            throw RefusedArgument{spelled(s, "--refund") + " goes with a cash bet, not a free one"};
        request.refund = readCents(spelled(s, "--refund"), *arguments.refund, Money(), false,
                                   kHighestAmount, "0 to 10000, in whole cents", format);
    }
    if (arguments.laid.size() >= request.legs.size())
        throw RefusedArgument{spelled(s, "--laid") + ": " + std::to_string(arguments.laid.size()) +
                              " lays placed on legs won, of " +
                              std::to_string(request.legs.size()) + " legs: the bet is settled"};
    if (arguments.upfront && !arguments.laid.empty())
        throw RefusedArgument{spelled(s, "--upfront") + " lays every leg at the start; " +
                              spelled(s, "--laid") + " is for legs laid in turn"};
    for (std::size_t i = 0; i < arguments.laid.size(); ++i)
        request.placed.push_back(placedOf(arguments.laid[i], i, spelled(s, "--laid"), format));
    request.upfront = arguments.upfront;
    if (arguments.rate)
        request.rate = readExchangeRate(spelled(s, "--rate"), *arguments.rate, format);
    return request;
}

std::string accaText(const AccaRequest& request, const AccaReport& report,
                     const NumberFormat& format) {
    const char* kind = request.kind == AccaKind::FreeSnr  ? "A free bet (stake not returned) of "
                       : request.kind == AccaKind::FreeSr ? "A free bet (stake returned) of "
                                                          : "An accumulator of ";
    std::string text = kind + request.stake.display(format) + " at " +
                       report.backPrice.displayFine(format) + ": pays " +
                       report.returns.display(format) + " if every leg wins; a leg lost leaves " +
                       report.ifLoses.display(format) + "\n\n";
    std::vector<std::vector<std::string>> legs{
        {"Leg", "Back", "Lay", "Lay stake", "Liability", "Wins"}};
    for (std::size_t i = 0; i < report.lays.size(); ++i) {
        const AccaLay& lay = report.lays[i];
        legs.push_back({std::to_string(i + 1) + (lay.placed ? " (won)" : ""),
                        request.legs[i].back.display(format), lay.price.display(format),
                        lay.stake.display(format), lay.liability.displayFine(format),
                        lay.wins.displayFine(format)});
    }
    text += alignedTable(legs) + "\n";
    std::vector<std::vector<std::string>> rows;
    if (request.upfront) {
        rows.push_back({"Legs won", "Net"});
        Money least = report.outcomes.front().net, most = least;
        for (const AccaOutcome& o : report.outcomes) {
            rows.push_back({legsWon(o.wonLegs, request.legs.size()), o.net.displayFine(format)});
            least = std::min(least, o.net);
            most = std::max(most, o.net);
        }
        return text + alignedTable(rows) + "Laid at once, the outcomes cannot be levelled: from " +
               least.displayFine(format) + " to " + most.displayFine(format) + ".\n";
    }
    rows.push_back({"Path", "Bookmaker", "Exchange", "Net"});
    for (const AccaPath& p : report.paths)
        rows.push_back({accaPathName(p.losesAt, request.legs.size()),
                        p.bookmaker.displayFine(format), p.exchange.displayFine(format),
                        p.net.displayFine(format)});
    return text + alignedTable(rows) + "Each leg's market takes " + request.rate.display(format) +
           " % of its own positive net.\n";
}

std::string accaJson(const AccaRequest& request, const AccaReport& report) {
    Json legs = Json::array();
    for (std::size_t i = 0; i < report.lays.size(); ++i) {
        const AccaLay& lay = report.lays[i];
        legs.push_back({{"back", shown(request.legs[i].back)},
                        {"lay", shown(lay.price)},
                        {"lay_stake", shown(lay.stake)},
                        {"liability", used(lay.liability)},
                        {"wins", used(lay.wins)},
                        {"placed", lay.placed}});
    }
    Json out{{"stake", shown(request.stake)},    {"back_price", used(report.backPrice)},
             {"returns", shown(report.returns)}, {"if_loses", shown(report.ifLoses)},
             {"rate", used(request.rate)},       {"legs", legs}};
    Json& results = out[request.upfront ? "outcomes" : "paths"] = Json::array();
    for (const AccaPath& p : report.paths)
        results.push_back({{"loses_at", p.losesAt},
                           {"bookmaker", used(p.bookmaker)},
                           {"exchange", used(p.exchange)},
                           {"net", used(p.net)}});
    for (const AccaOutcome& o : report.outcomes)
        results.push_back(
            {{"legs_won", legsWon(o.wonLegs, request.legs.size())}, {"net", used(o.net)}});
    return out.dump() + "\n";
}

}  // namespace quorvel::cli
