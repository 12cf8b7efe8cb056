#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "input/market_arguments.h"

namespace quorvel {

// The files a market is read from, as the command line names them.
struct ExchangeFiles {
    std::optional<std::string> book;
    std::optional<std::string> catalogue;
    std::optional<std::string> marketId;
    std::optional<std::string> stream;
    std::optional<std::string> at;  // a stream's time: milliseconds since the epoch, or ISO 8601
};

// The market the files hold; refuses a file that cannot be read, naming it and why.
MarketArguments marketOfFiles(const ExchangeFiles& files, const NumberFormat& format);

// The market of files a user picked, each told by what it holds: one file in the stream format
// (compressed or not), a market book, or a book and its catalogue in either order.
MarketArguments marketOfOpened(const std::vector<std::string>& paths, const NumberFormat& format);

// The typed arguments laid over a market read from a file: prices given by name replace the
// file's, bets given by name join its runner's, and the options given win over the file's
// winners, rate and non-runners. A name the file does not hold is refused.
MarketArguments overBook(MarketArguments fromFile, const MarketArguments& typed);

}  // namespace quorvel
