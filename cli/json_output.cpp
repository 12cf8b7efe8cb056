#include "cli/json_output.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "cli/position_command.h"
#include "core/mode_layout.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

// Machine-readable numbers never depend on the locale.
const NumberFormat& plain() {
    static const NumberFormat format(".", "");
    return format;
}

// A value as shown: two decimals.
std::string shown(Money value) {
    return value.display(plain());
}

// A value as used: all four decimals, trailing zeros dropped down to two.
std::string used(Money value) {
    const bool negative = value.count() < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.count())
                                             : static_cast<std::uint64_t>(value.count());
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (fraction.size() > 2 && fraction.back() == '0') fraction.pop_back();
    return (negative ? "-" : "") + std::to_string(magnitude / 10000) + "." + fraction;
}

Json results(HedgeMode mode, const HedgeResults& values) {
    const ModeLayout& layout = modeLayout(mode);
    Json object = Json::object();
    for (const FieldValue& result : values)
        object[std::string(layout[static_cast<std::size_t>(result.field)].key)] =
            shown(result.value);
    return object;
}

Json outcome(const OutcomeFigures& figures) {
    return {{"back", shown(figures.back)},
            {"lay", shown(figures.lay)},
            {"commission", shown(figures.commission)},
            {"net", shown(figures.net)}};
}

}  // namespace

std::string asJson(const Calculation& c) {
    const HedgeRequest& r = c.request;
    Json json{{"mode", std::string(modeName(r.mode))},
              {"model", r.singleMarket() ? "single" : "separate"},
              {"back_rate", used(r.backRate)}};
    if (!r.singleMarket()) json["lay_rate"] = used(r.layRate);
    const ModeLayout& layout = modeLayout(r.mode);
    const ModeFields fields = modeFields(r.mode);
    Json inputs = Json::object();
    for (std::size_t i = 0; i < r.inputs.size(); ++i)
        inputs[std::string(layout[static_cast<std::size_t>(fields.inputs[i])].key)] =
            used(r.inputs[i]);
    json["inputs"] = inputs;
    json["results"] = results(r.mode, c.results);
    if (c.outcomes)
        json["outcomes"] = {{"wins", outcome(c.outcomes->wins)},
                            {"loses", outcome(c.outcomes->loses)}};
    return json.dump() + "\n";
}

void appendJson(const BatchAnswer& answer, std::string& out) {
    switch (answer.kind) {
        case BatchAnswer::Kind::Nothing:
            out += "null";
            return;
        case BatchAnswer::Kind::Error:
            out += Json{{"error", answer.error}}.dump();
            return;
        case BatchAnswer::Kind::Results:
            out += Json{{"results", results(answer.mode, answer.results)}}.dump();
            return;
    }
}

namespace {

Json sideObject(const SideTotals& totals) {
    Json object{{"stake", shown(totals.stake)}};
    if (!totals.stake.isZero()) object["average_price"] = shown(totals.averagePrice);
    return object;
}

Json positionObject(const PositionRequest& request, const PositionReport& report) {
    Json bets = Json::array();
    for (const Bet& bet : request.bets)
        bets.push_back({{"side", std::string(bet.info().name)},
                        {"stake", used(bet.stake)},
                        {"price", used(bet.price)},
                        {"venue", bet.info().venue == Venue::Exchange ? "exchange" : "bookmaker"},
                        {"kind", std::string(stakeKindName(bet.info().stake))}});
    Json json{
        {"bets", bets},
        {"rate", used(request.rate)},
        {"backs", sideObject(report.of(BetKind::Back))},
        {"lays", sideObject(report.of(BetKind::Lay))},
        {"before", {{"wins", shown(report.before.wins)}, {"loses", shown(report.before.loses)}}},
        {"hedge", nullptr}};
    if (report.hasBookmakerBets()) {
        Json bookmaker = Json::object();
        for (const BetKindInfo& info : kBetKinds)
            if (info.venue == Venue::Bookmaker && !report.of(info.kind).stake.isZero())
                bookmaker[std::string(info.name)] = sideObject(report.of(info.kind));
        json["bookmaker"] = bookmaker;
    }
    if (report.hedge) {
        json["hedge"] = {{"side", report.hedge->side == BetSide::Lay ? "lay" : "back"},
                         {"price", shown(report.hedge->price)},
                         {"stake", shown(report.hedge->stake)},
                         {"liability", shown(report.hedge->liability())}};
        if (report.belowMinimum) {
            json["hedge"]["below_min_stake"] = shown(*request.minStake);
            if (request.minPayout) json["hedge"]["below_min_payout"] = shown(*request.minPayout);
        }
    } else if (report.noHedge) {
        json["reason"] = std::string(reasonKey(*report.noHedge));
    }
    json["after"] = {{"wins", shown(report.after.wins)},
                     {"loses", shown(report.after.loses)},
                     {"commission_wins", shown(report.commission.wins)},
                     {"commission_loses", shown(report.commission.loses)},
                     {"net_wins", shown(report.net.wins)},
                     {"net_loses", shown(report.net.loses)},
                     {"bookmaker_wins", shown(report.bookmaker.wins)},
                     {"bookmaker_loses", shown(report.bookmaker.loses)},
                     {"exchange_wins", shown(report.exchange.wins)},
                     {"exchange_loses", shown(report.exchange.loses)}};
    return json;
}

// The string value of key, if the request has one; anything else under the key is refused.
std::optional<std::string> stringAt(const Json& request, const char* key) {
    if (!request.contains(key)) return std::nullopt;
    if (!request[key].is_string())
        throw RefusedArgument{std::string(key) + ": expected a string, such as \"2.50\""};
    return request[key].get<std::string>();
}

constexpr const char* kPositionKeys[] = {"position", "price",     "hedge",
                                         "rate",     "min_stake", "min_payout"};

Json answerPositionRequest(const Json& request) {
    for (const auto& [key, value] : request.items())
        if (std::find_if(std::begin(kPositionKeys), std::end(kPositionKeys), [&](const char* k) {
                return key == k;
            }) == std::end(kPositionKeys))
            throw RefusedArgument{"\"" + key + "\" is not a key of a position request"};
    PositionArguments arguments;
    arguments.spelling = Spelling::JsonKeys;
    const Json& bets = request["position"];
    if (!bets.is_array()) throw RefusedArgument{"position: expected an array of bets"};
    for (const Json& bet : bets) {
        if (!bet.is_string())
            throw RefusedArgument{"position: expected bets as strings, such as \"back:10@3.00\""};
        arguments.bets.push_back(bet.get<std::string>());
    }
    arguments.price = stringAt(request, "price");
    arguments.hedge = stringAt(request, "hedge");
    arguments.rate = stringAt(request, "rate");
    arguments.minStake = stringAt(request, "min_stake");
    arguments.minPayout = stringAt(request, "min_payout");
    const PositionRequest position = readPosition(arguments, plain());
    return positionObject(position, ComputePosition(position));
}

}  // namespace

std::string positionJson(const PositionRequest& request, const PositionReport& report) {
    return positionObject(request, report).dump() + "\n";
}

void appendJsonRequestAnswer(std::string_view line, std::string& out) {
    const Json request = Json::parse(line, nullptr, false);
    if (request.is_discarded() || !request.is_object() || !request.contains("position")) {
        out += Json{{"error", "input"},
                    {"message", "expected a JSON object with \"position\", an array of bets"}}
                   .dump();
        return;
    }
    try {
        out += answerPositionRequest(request).dump();
    } catch (const RefusedArgument& refused) {
        out += Json{{"error", "input"}, {"message", refused.message}}.dump();
    } catch (const MoneyError& error) {
        out += Json{{"error", toString(error.kind())},
                    {"message", "the calculation failed: " + std::string(toString(error.kind()))}}
                   .dump();
    }
}

}  // namespace quorvel::cli
