#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "cli/machine_format.h"
#include "cli/position_command.h"
#include "core/mode_layout.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

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

Json betsArray(const std::vector<Bet>& bets) {
    Json array = Json::array();
    for (const Bet& bet : bets)
        array.push_back({{"side", std::string(bet.info().name)},
                         {"stake", used(bet.stake)},
                         {"price", used(bet.price)},
                         {"venue", bet.info().venue == Venue::Exchange ? "exchange" : "bookmaker"},
                         {"kind", std::string(stakeKindName(bet.info().stake))}});
    return array;
}

Json hedgeObject(const PositionRequest& request, const PositionReport& report) {
    Json hedge{{"side", report.hedge->side == BetSide::Lay ? "lay" : "back"},
               {"price", shown(report.hedge->price)},
               {"stake", shown(report.hedge->stake)},
               {"liability", shown(report.hedge->liability())}};
    if (report.belowMinimum) {
        hedge["below_min_stake"] = shown(*request.minStake);
        if (request.minPayout) hedge["below_min_payout"] = shown(*request.minPayout);
    }
    return hedge;
}

Json afterObject(const PositionReport& report) {
    return {{"wins", shown(report.after.wins)},
            {"loses", shown(report.after.loses)},
            {"commission_wins", shown(report.commission.wins)},
            {"commission_loses", shown(report.commission.loses)},
            {"net_wins", shown(report.net.wins)},
            {"net_loses", shown(report.net.loses)},
            {"bookmaker_wins", shown(report.bookmaker.wins)},
            {"bookmaker_loses", shown(report.bookmaker.loses)},
            {"exchange_wins", shown(report.exchange.wins)},
            {"exchange_loses", shown(report.exchange.loses)}};
}

Json positionObject(const PositionRequest& request, const PositionReport& report) {
    Json json{
        {"bets", betsArray(request.bets)},
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
    if (report.hedge)
        json["hedge"] = hedgeObject(request, report);
    else if (report.noHedge)
        json["reason"] = std::string(reasonKey(*report.noHedge));
    json["after"] = afterObject(report);
    return json;
}

}  // namespace

std::string positionJson(const PositionRequest& request, const PositionReport& report) {
    return positionObject(request, report).dump() + "\n";
}

}  // namespace quorvel::cli
