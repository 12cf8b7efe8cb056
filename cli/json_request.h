#pragma once

#include <string>
#include <string_view>

namespace quorvel::cli {

// A batch line that is a JSON object, answered on one line without a newline: a request with
// "position" (bets as strings, and "price", "hedge", "rate", "min_stake", "min_payout"), with
// "market" (runners as objects with "name", "bets", "back", "lay"; and "green", "rate",
// "min_stake", "min_payout") or with "dutch" ("back" or "lay", "runners" with "name" and
// "price", one of "stake", "profit", "liability", and "rate"), values as strings with '.'
// decimals, is answered as the command's --json answers it. Any other line, a key the request
// does not take, or a refused value gets {"error": KIND, "message": ...}.
void appendJsonRequestAnswer(std::string_view line, std::string& out);

}  // namespace quorvel::cli
