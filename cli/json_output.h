#pragma once

#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/single_calculation.h"
#include "core/position.h"

namespace quorvel::cli {

// One calculation as one JSON object on one line: mode, model, the rates ("lay_rate" only in
// separate markets), "inputs", "results" and, when asked for, "outcomes". Values are strings,
// so they stay exact: '.' for decimals and no grouping, whatever the locale; results and
// outcomes as shown (two decimals), inputs and rates as used (two to four decimals).
std::string asJson(const Calculation& calculation);

// A batch answer as one JSON value, without a newline: {"results": {...}}, {"error": KIND},
// or null for an empty or '#' line.
void appendJson(const BatchAnswer& answer, std::string& out);

// A position and its report as one JSON object on one line: "bets" (each with side, stake,
// price, venue and kind), "rate", "backs" and "lays" (the exchange's), "bookmaker" (its kinds,
// when there are any), "before" {wins, loses}, "hedge" {side, price, stake, liability, and
// below_min_stake, below_min_payout when it is not placed} or null with a "reason", and "after"
// {wins, loses, commission_wins, commission_loses, net_wins, net_loses, bookmaker_wins,
// bookmaker_loses, exchange_wins, exchange_loses}. Values are strings, as in asJson.
std::string positionJson(const PositionRequest& request, const PositionReport& report);

}  // namespace quorvel::cli
