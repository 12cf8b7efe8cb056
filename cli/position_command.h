#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "core/position.h"

namespace quorvel::cli {

// quorvel-calc position BET... as given, before any value is read.
struct PositionArguments {
    std::vector<std::string> bets;  // back:STAKE@PRICE, lay:STAKE@PRICE or free:STAKE@PRICE
    std::optional<std::string> price;
    std::optional<std::string> hedge;  // equal, N%, wins-zero or loses-zero
    std::optional<std::string> rate;
    std::optional<std::string> minStake;
};

// Throws RefusedArgument for a bet that cannot be read, a stake out of range, a price that is
// not on the exchange's ladder (naming the nearest ones), or an option value out of range.
PositionRequest readPosition(const PositionArguments& arguments, const NumberFormat& format);

// Each side's totals, the outcomes before and after the hedge with commission and net, and
// the hedge line ("Lay 17.60 at 2.50").
std::string positionText(const PositionRequest& request, const PositionReport& report,
                         const NumberFormat& format);

}  // namespace quorvel::cli
