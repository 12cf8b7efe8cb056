#pragma once

#include <optional>
#include <string>

#include "core/number_format.h"
#include "input/exact_json.h"
#include "input/market_arguments.h"

namespace quorvel {

// A market as the exchange's API answers for it: the market book (the JSON-RPC envelope
// {"jsonrpc", "result": [...], "id"} or the bare list of markets), and the market catalogue
// for the runners' names and the base rate. Each value passes the checks a typed one does.
struct ExchangeAnswers {
    const Json* book = nullptr;
    const Json* catalogue = nullptr;      // none: a runner is named by its selection id
    std::optional<std::string> marketId;  // the market, where the book holds several
};

// The book's market as `market` takes it, every number written in format: best back and lay
// the first of ex.availableToBack and ex.availableToLay, the user's matched bets from each
// runner's matches, numberOfWinners, a REMOVED runner a non-runner with its adjustmentFactor,
// the catalogue's description.marketBaseRate. Throws RefusedArgument naming the runner and the
// field: a price off the ladder, a size below a cent, a missing field.
MarketArguments marketOfBook(const ExchangeAnswers& answers, const NumberFormat& format);

}  // namespace quorvel
