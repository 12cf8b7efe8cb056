#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/number_format.h"
#include "input/market_arguments.h"

namespace quorvel {

// The market of a file in the exchange's stream format, as its historical data holds it: one
// JSON message a line ("op": "mcm", market changes "mc" with their marketDefinition and runner
// changes "rc"), applied in order: an image ("img") replaces what is known, a delta updates
// price levels (atb and atl as [price, size], batb and batl as [level, price, size]; a size of
// 0 removes the level). Read to the last message, or to the last whose "pt" is at or before
// at; a file compressed with bzip2 is read as it is. A file that holds only last traded prices
// is refused, as is a file with several markets and no marketId to choose one.
MarketArguments marketOfStream(std::string_view text, const std::optional<std::string>& marketId,
                               const std::optional<std::string>& at, const NumberFormat& format);

// Milliseconds since the epoch: "1700000000000" as it stands, or an ISO 8601 time,
// "2023-11-14T22:13:20Z" (a fraction of a second and an offset such as +01:00 allowed; UTC
// without one). Throws RefusedArgument naming --at.
long long streamTime(const std::string& text);

}  // namespace quorvel
