#include "input/exchange_book.h"

#include <algorithm>
#include <map>

#include "core/field_role.h"
#include "input/bet_arguments.h"

namespace quorvel {

namespace {

const NumberFormat kJsonNumbers = NumberFormat::pointComma();

// The markets of an answer: its "result", or the answer itself when it is the bare list.
const Json& marketsOf(const Json& answer, const std::string& what) {
    const Json& markets =
        answer.is_object() && answer.contains("result") ? answer["result"] : answer;
    if (!markets.is_array())
        throw RefusedArgument{what + ": expected the exchange's answer, a list of markets or " +
                              "{\"result\": [...]}"};
    return markets;
}

// The market of the answer that id names; without an id, its one market.
const Json& chooseMarket(const Json& markets, const std::optional<std::string>& id,
                         const std::string& what) {
    std::string ids;
    for (const Json& market : markets) {
        const std::string marketId =
            market.is_object() && market.contains("marketId") ? numberText(market["marketId"]) : "";
        if (id && marketId == *id) return market;
        ids += (ids.empty() ? "" : ", ") + marketId;
    }
    if (id) throw RefusedArgument{what + ": no market " + *id + " (it holds " + ids + ")"};
    if (markets.size() != 1)
        throw RefusedArgument{what + ": " + std::to_string(markets.size()) +
                              " markets; choose one with --market-id (" + ids + ")"};
    return markets[0];
}

// The text of a field the exchange always gives, refused by name where it is missing.
std::string required(const Json& object, const char* field, const std::string& who) {
    const std::string text =
        object.is_object() && object.contains(field) ? numberText(object[field]) : "";
    if (text.empty()) throw RefusedArgument{who + ": " + field + " is missing"};
    return text;
}

// A runner's key: its selection id and handicap, the handicap read as a number.
std::string runnerKey(const Json& runner, const std::string& who) {
    std::string handicap = runner.contains("handicap") ? numberText(runner["handicap"]) : "0";
    try {
        handicap = Money::parse(handicap, kJsonNumbers).display(kJsonNumbers);  // 0.0 is 0
    } catch (const MoneyError&) {
        // compared as written
    }
    return required(runner, "selectionId", who) + "/" + handicap;
}

std::map<std::string, std::string> namesOf(const Json& catalogue) {
    std::map<std::string, std::string> names;
    if (!catalogue.contains("runners")) return names;
    for (const Json& runner : catalogue["runners"])
        names[runnerKey(runner, "catalogue runner")] =
            required(runner, "runnerName", "catalogue runner");
    return names;
}

std::string price(const std::string& name, const std::string& text, const NumberFormat& format) {
    return readLadderPrice(name, text, kJsonNumbers).display(format);
}

// The first price of one side of the runner's ex, or nothing.
std::string best(const Json& runner, const char* side, const std::string& who,
                 const NumberFormat& format) {
    if (!runner.contains("ex") || !runner["ex"].contains(side) || runner["ex"][side].empty())
        return {};
    const std::string field = who + " ex." + side + "[0]";
    return price(field + ".price", required(runner["ex"][side][0], "price", field), format);
}

std::vector<std::string> matchedBets(const Json& runner, const std::string& who,
                                     const NumberFormat& format) {
    std::vector<std::string> bets;
    if (!runner.contains("matches")) return bets;
    for (std::size_t i = 0; i < runner["matches"].size(); ++i) {
        const Json& match = runner["matches"][i];
        const std::string field = who + " matches[" + std::to_string(i) + "]";
        const std::string side = required(match, "side", field);
        if (side != "BACK" && side != "LAY")
            throw RefusedArgument{field + ".side: \"" + side + "\" is neither BACK nor LAY"};
        const std::string size =
            readCents(field + ".size", required(match, "size", field), Money(), true,
                      Money::fromWhole(1000000), "at least a cent, in whole cents", kJsonNumbers)
                .display(format);
        bets.push_back((side == "BACK" ? "back:" : "lay:") + size + "@" +
                       price(field + ".price", required(match, "price", field), format));
    }
    return bets;
}

// The catalogue's market for the book's: the one of the same marketId, or its one market.
const Json* catalogueOf(const ExchangeAnswers& answers, const Json& market) {
    if (answers.catalogue == nullptr) return nullptr;
    const Json& markets = marketsOf(*answers.catalogue, "catalogue");
    const std::optional<std::string> id = market.contains("marketId")
                                              ? std::optional(numberText(market["marketId"]))
                                              : answers.marketId;
    return &chooseMarket(markets, markets.size() == 1 ? std::nullopt : id, "catalogue");
}

}  // namespace

MarketArguments marketOfBook(const ExchangeAnswers& answers, const NumberFormat& format) {
    const Json& market = chooseMarket(marketsOf(*answers.book, "book"), answers.marketId, "book");
    const Json* catalogue = catalogueOf(answers, market);
    const auto names =
        catalogue != nullptr ? namesOf(*catalogue) : std::map<std::string, std::string>{};
    MarketArguments arguments;
    if (!market.contains("runners")) throw RefusedArgument{"book: runners is missing"};
    for (std::size_t i = 0; i < market["runners"].size(); ++i) {
        const Json& runner = market["runners"][i];
        const std::string id =
            required(runner, "selectionId", "book runner " + std::to_string(i + 1));
        const auto named = names.find(runnerKey(runner, "book runner " + id));
        const std::string name = named != names.end() ? named->second : id;
        const std::string who =
            "book runner " + id + (named != names.end() ? " (" + name + ")" : "");
        arguments.runners.push_back({name, matchedBets(runner, who, format),
                                     best(runner, "availableToBack", who, format),
                                     best(runner, "availableToLay", who, format)});
        if (runner.contains("status") && runner["status"] == "REMOVED")
            arguments.nonRunners.push_back(
                name + "=" +
                readCents(who + " adjustmentFactor", required(runner, "adjustmentFactor", who),
                          Money(), false, Money::fromWhole(100), "0 to 100", kJsonNumbers)
                    .display(format));
    }
    if (market.contains("numberOfWinners"))
        arguments.winners = numberText(market["numberOfWinners"]);
    if (catalogue != nullptr && catalogue->contains("description") &&
        (*catalogue)["description"].contains("marketBaseRate"))
        arguments.rate = readExchangeRate("catalogue description.marketBaseRate",
                                          numberText((*catalogue)["description"]["marketBaseRate"]),
                                          kJsonNumbers)
                             .display(format);
    return arguments;
}

}  // namespace quorvel
