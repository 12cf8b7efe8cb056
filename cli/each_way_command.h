#pragma once

#include <optional>
#include <string>

#include "cli/position_command.h"
#include "core/each_way.h"
#include "core/number_format.h"

namespace quorvel::cli {

// quorvel-calc each-way STAKE@PRICE --terms N/D --places P --win-lay X --place-lay Y
// [--exchange-places E] [--rate R], as given, before any value is read.
struct EachWayArguments {
    std::string bet;  // STAKE@PRICE, the bookmaker's each-way bet (the stake each way)
    std::optional<std::string> terms;
    std::optional<std::string> places;
    std::optional<std::string> winLay;
    std::optional<std::string> placeLay;
    std::optional<std::string> exchangePlaces;  // the bookmaker's places by default
    std::optional<std::string> rate;
    Spelling spelling = Spelling::Options;
};

// Throws RefusedArgument, naming what it refuses: a stake above 0 up to 10000 in cents, a
// bookmaker's price above 1.00 up to 1000, terms N/D (1 <= N <= D <= 100), places 1 to 10,
// the exchange's places 2 to the bookmaker's, lay prices on the ladder, a rate 0 to 10.
EachWayRequest readEachWay(const EachWayArguments& arguments, const NumberFormat& format);

// The two lays with their liabilities, then a row per outcome: what the bookmaker's bets, the
// win market and the place market pay, and the net; the extra places only where there are.
std::string eachWayText(const EachWayRequest& request, const EachWayReport& report,
                        const NumberFormat& format);
std::string eachWayJson(const EachWayRequest& request, const EachWayReport& report);

}  // namespace quorvel::cli
