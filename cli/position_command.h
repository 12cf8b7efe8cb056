#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "core/position.h"
#include "input/market_arguments.h"

namespace quorvel::cli {

// quorvel-calc position BET... as given, before any value is read.
struct PositionArguments {
    std::vector<std::string> bets;  // KIND:STAKE@PRICE, KIND one of kBetKinds' names
    std::optional<std::string> price;
    std::optional<std::string> hedge;  // equal, N%, wins-zero or loses-zero
    std::optional<std::string> rate;
    std::optional<std::string> minStake;
    std::optional<std::string> minPayout;
    Spelling spelling = Spelling::Options;
};

// Throws RefusedArgument for a bet that cannot be read, a stake out of range or in fractions of
// a cent, an exchange price off the ladder (naming the nearest ones), a bookmaker price out of
// range, or an option value out of range.
PositionRequest readPosition(const PositionArguments& arguments, const NumberFormat& format);

// Each kind's totals, the outcomes before and after the hedge with the bookmaker's and the
// exchange's parts, commission and net, and the hedge line ("Lay 17.60 at 2.50, the green-up
// (liability 26.40)") or why there is none.
std::string positionText(const PositionRequest& request, const PositionReport& report,
                         const NumberFormat& format);

// "even", "reached", "rounds-to-nothing" or "not-narrowing", as the JSON says why no hedge.
std::string_view reasonKey(NoHedgeReason reason);

}  // namespace quorvel::cli
