#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/position_command.h"
#include "core/dutch.h"
#include "core/market.h"

namespace quorvel::cli {

// quorvel-calc market NAME=BET... [--prices NAME=BACK/LAY...] as given.
struct MarketArguments {
    std::vector<std::string> bets;    // NAME=KIND:STAKE@PRICE, NAME what stands before the last '='
    std::vector<std::string> prices;  // NAME=BACK/LAY, either side may be empty
    std::optional<std::string> green;  // each or best
    std::optional<std::string> rate;
    std::optional<std::string> minStake;
    std::optional<std::string> minPayout;
    std::vector<std::string> runners;  // names in the order a request lists them, before any bet
    Spelling spelling = Spelling::Options;
};

// The runners in the order they are first named, which are the whole market. Throws
// RefusedArgument for a runner without a name, a bet or price that does not read, a price off
// the ladder, a back price above the lay price, an unknown green, or a green that needs a
// price a runner lacks (naming the runner).
MarketRequest readMarket(const MarketArguments& arguments, const NumberFormat& format);

// The market computed, or refused when its green needs a price a runner lacks.
MarketReport marketOrRefuse(const MarketRequest& request);

// One row per runner (prices, its bets' stake, if it wins, the hedge, after, commission, net),
// then the books and what the green stakes and locks in.
std::string marketText(const MarketRequest& request, const MarketReport& report,
                       const NumberFormat& format);
std::string marketJson(const MarketRequest& request, const MarketReport& report);

// quorvel-calc dutch back|lay NAME=PRICE... with one of --stake, --profit, --liability.
struct DutchArguments {
    std::string side;
    std::vector<std::string> runners;
    std::optional<std::string> stake;
    std::optional<std::string> profit;
    std::optional<std::string> liability;
    std::optional<std::string> rate;
    Spelling spelling = Spelling::Options;
};

// Throws RefusedArgument for what cannot be read or has no answer (a profit from a back book,
// or a lay book, of 100 % or more, naming the book).
DutchRequest readDutch(const DutchArguments& arguments, const NumberFormat& format);
DutchReport dutchOrRefuse(const DutchRequest& request, const NumberFormat& format);
std::string dutchText(const DutchRequest& request, const DutchReport& report,
                      const NumberFormat& format);
std::string dutchJson(const DutchRequest& request, const DutchReport& report);

}  // namespace quorvel::cli
