#include "cli/json_request.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/acca_command.h"
#include "cli/each_way_command.h"
#include "cli/json_output.h"
#include "cli/machine_format.h"
#include "cli/market_command.h"
#include "cli/position_command.h"
#include "input/exchange_book.h"
#include "input/exchange_files.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

// Refuses a key the request does not take, naming it.
void onlyKeys(const Json& request, std::initializer_list<std::string_view> keys, const char* what) {
    for (const auto& [key, value] : request.items())
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            throw RefusedArgument{"\"" + key + "\" is not a key of a " + what + " request"};
}

// The string value of key, if the request has one; anything else under the key is refused.
std::optional<std::string> stringAt(const Json& request, const char* key) {
    if (!request.contains(key)) return std::nullopt;
    if (!request[key].is_string())
        throw RefusedArgument{std::string(key) + ": expected a string, such as \"2.50\""};
    return request[key].get<std::string>();
}

// The strings of an array under key.
std::vector<std::string> stringsAt(const Json& request, const char* key, const char* example) {
    std::vector<std::string> strings;
    if (!request.contains(key)) return strings;
    const Json& array = request[key];
    if (!array.is_array())
        throw RefusedArgument{std::string(key) + ": expected an array of strings, such as \"" +
                              example + "\""};
    for (const Json& item : array) {
        if (!item.is_string())
            throw RefusedArgument{std::string(key) + ": expected strings, such as \"" + example +
                                  "\""};
        strings.push_back(item.get<std::string>());
    }
    return strings;
}

std::string answerPosition(const Json& request) {
    onlyKeys(request, {"position", "price", "hedge", "rate", "min_stake", "min_payout"},
             "position");
    PositionArguments arguments;
    arguments.spelling = Spelling::JsonKeys;
    if (!request["position"].is_array())
        throw RefusedArgument{"position: expected an array of bets"};
    arguments.bets = stringsAt(request, "position", "back:10@3.00");
    arguments.price = stringAt(request, "price");
    arguments.hedge = stringAt(request, "hedge");
    arguments.rate = stringAt(request, "rate");
    arguments.minStake = stringAt(request, "min_stake");
    arguments.minPayout = stringAt(request, "min_payout");
    const PositionRequest position = readPosition(arguments, plain());
    return positionJson(position, ComputePosition(position));
}

// The market request's keys besides its runners, into arguments.
MarketArguments withMarketKeys(const Json& request, MarketArguments arguments) {
    arguments.green = stringAt(request, "green");
    arguments.rate = stringAt(request, "rate");
    arguments.minStake = stringAt(request, "min_stake");
    arguments.minPayout = stringAt(request, "min_payout");
    arguments.winners = stringAt(request, "winners");
    arguments.placed = stringAt(request, "placed");
    arguments.deadHeat = stringAt(request, "dead_heat");
    arguments.nonRunners = stringsAt(request, "non_runners", "NR=25");
    return arguments;
}

// {"market": {"book": ..., "catalogue": ..., "market_id": ...}}: the exchange's own answers,
// inline, with the request's other keys over them.
std::string answerBook(const Json& request, MarketArguments& typed) {
    const Json& files = request["market"];
    onlyKeys(files, {"book", "catalogue", "market_id"}, "market book");
    if (!files.contains("book")) throw RefusedArgument{"market: expected a \"book\""};
    const ExchangeAnswers answers{&files["book"],
                                  files.contains("catalogue") ? &files["catalogue"] : nullptr,
                                  stringAt(files, "market_id")};
    return marketAnswer(overBook(marketOfBook(answers, plain()), withMarketKeys(request, typed)),
                        plain(), true);
}

std::string answerMarket(const Json& request) {
    onlyKeys(request,
             {"market", "green", "rate", "min_stake", "min_payout", "winners", "placed",
              "dead_heat", "non_runners"},
             "market");
    MarketArguments arguments;
    arguments.spelling = Spelling::JsonKeys;
    if (request["market"].is_object()) return answerBook(request, arguments);
    if (!request["market"].is_array())
        throw RefusedArgument{"market: expected an array of runners, such as {\"name\": \"A\"}"};
    for (const Json& runner : request["market"]) {
        if (!runner.is_object()) throw RefusedArgument{"market: expected runners as objects"};
        onlyKeys(runner, {"name", "bets", "back", "lay"}, "runner");
        arguments.runners.push_back(
            {stringAt(runner, "name").value_or(""), stringsAt(runner, "bets", "back:10@3.00"),
             stringAt(runner, "back").value_or(""), stringAt(runner, "lay").value_or("")});
    }
    return marketAnswer(withMarketKeys(request, arguments), plain(), true);
}

std::string answerDutch(const Json& request) {
    onlyKeys(request, {"dutch", "runners", "stake", "profit", "liability", "rate"}, "dutch");
    DutchArguments arguments;
    arguments.spelling = Spelling::JsonKeys;
    arguments.side = stringAt(request, "dutch").value_or("");
    if (request.contains("runners") && !request["runners"].is_array())
        throw RefusedArgument{"runners: expected an array of runners"};
    for (const Json& runner : request.value("runners", Json::array())) {
        if (!runner.is_object()) throw RefusedArgument{"runners: expected runners as objects"};
        onlyKeys(runner, {"name", "price"}, "runner");
        arguments.runners.emplace_back(stringAt(runner, "name").value_or(""),
                                       stringAt(runner, "price").value_or(""));
    }
    arguments.stake = stringAt(request, "stake");
    arguments.profit = stringAt(request, "profit");
    arguments.liability = stringAt(request, "liability");
    arguments.rate = stringAt(request, "rate");
    const DutchRequest dutch = readDutch(arguments, plain());
    return dutchJson(dutch, dutchOrRefuse(dutch, plain()));
}

std::string answerEachWay(const Json& request) {
    onlyKeys(request,
             {"each_way", "terms", "places", "win_lay", "place_lay", "exchange_places", "rate"},
             "each_way");
    EachWayArguments arguments;
    arguments.spelling = Spelling::JsonKeys;
    arguments.bet = stringAt(request, "each_way").value_or("");
    arguments.terms = stringAt(request, "terms");
    arguments.places = stringAt(request, "places");
    arguments.winLay = stringAt(request, "win_lay");
    arguments.placeLay = stringAt(request, "place_lay");
    arguments.exchangePlaces = stringAt(request, "exchange_places");
    arguments.rate = stringAt(request, "rate");
    const EachWayRequest eachWay = readEachWay(arguments, plain());
    return eachWayJson(eachWay, ComputeEachWay(eachWay));
}

// {"acca": "10", "legs": ["1.80/1.85", ...], "kind": "free", "laid": [...], ...}.
std::string answerAcca(const Json& request) {
    onlyKeys(request, {"acca", "legs", "kind", "refund", "laid", "upfront", "rate"}, "acca");
    AccaArguments arguments;
    arguments.spelling = Spelling::JsonKeys;
    arguments.stake = stringAt(request, "acca").value_or("");
    arguments.legs = stringsAt(request, "legs", "1.80/1.85");
    arguments.kind = stringAt(request, "kind").value_or("cash");
    if (arguments.kind != "cash" && arguments.kind != "free" && arguments.kind != "free-sr")
        throw RefusedArgument{"kind: expected cash, free or free-sr"};
    arguments.refund = stringAt(request, "refund");
    arguments.laid = stringsAt(request, "laid", "8.98@1.85");
    if (request.contains("upfront") && !request["upfront"].is_boolean())
        throw RefusedArgument{"upfront: expected true or false"};
    arguments.upfront = request.value("upfront", false);
    arguments.rate = stringAt(request, "rate");
    const AccaRequest acca = readAcca(arguments, plain());
    return accaJson(acca, ComputeAcca(acca));
}

std::string answer(const Json& request) {
    if (request.contains("position")) return answerPosition(request);
    if (request.contains("market")) return answerMarket(request);
    if (request.contains("each_way")) return answerEachWay(request);
    if (request.contains("acca")) return answerAcca(request);
    return answerDutch(request);
}

// The line's JSON, a key given twice in one object refused by name: a later value would
// silently win over the first. Throws RefusedArgument saying what is wrong with the line.
Json parsedLine(std::string_view line) {
    std::vector<std::vector<std::string>> keys;  // of each object open around the parser
    const Json::parser_callback_t noTwice = [&](int, nlohmann::json::parse_event_t event,
                                                Json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (event == Event::object_start) keys.emplace_back();
        if (event == Event::object_end) keys.pop_back();
        if (event == Event::key) {
            const std::string key = parsed.get<std::string>();
            if (std::find(keys.back().begin(), keys.back().end(), key) != keys.back().end())
                throw RefusedArgument{"\"" + key + "\" is given twice"};
            keys.back().push_back(key);
        }
        return true;
    };
    try {
        return Json::parse(line, noTwice);
    } catch (const nlohmann::json::parse_error& error) {
        const std::string what = error.what();
        const std::size_t at = what.find("parse error");
        throw RefusedArgument{"the line is no JSON: " +
                              what.substr(at == std::string::npos ? 0 : at)};
    } catch (const nlohmann::json::out_of_range& error) {
        const std::string what = error.what();
        throw RefusedArgument{"the line holds a number JSON cannot take: " +
                              what.substr(what.find(']') + 2)};
    }
}

}  // namespace

void appendJsonRequestAnswer(std::string_view line, std::string& out) {
    // Messages echo the line, which need not be UTF-8: such bytes are replaced, never thrown.
    const auto dump = [](const Json& json) {
        return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    };
    try {
        const Json request = parsedLine(line);
        if (!request.is_object() || !(request.contains("position") || request.contains("market") ||
                                      request.contains("dutch") || request.contains("each_way") ||
                                      request.contains("acca")))
            throw RefusedArgument{
                "expected a JSON object with \"position\", \"market\", "
                "\"dutch\", \"each_way\" or \"acca\""};
        std::string answered = answer(request);
        if (!answered.empty() && answered.back() == '\n') answered.pop_back();
        out += answered;
    } catch (const RefusedArgument& refused) {
        out += dump(Json{{"error", "input"}, {"message", refused.message}});
    } catch (const MoneyError& error) {
        out += dump(
            Json{{"error", toString(error.kind())},
                 {"message", "the calculation failed: " + std::string(toString(error.kind()))}});
    }
}

}  // namespace quorvel::cli
