#pragma once

#include <string>

#include "core/bet.h"
#include "core/money.h"
#include "core/number_format.h"
#include "input/arguments.h"

namespace quorvel {

// What a position and a market read alike. Each throws RefusedArgument, name leading the
// message.

// A number that must be whole cents, as exchanges and bookmakers take money, from lowest (or
// above it) up to highest; accepted says so in words.
Money readCents(const std::string& name, const std::string& text, Money lowest, bool aboveLowest,
                Money highest, const std::string& accepted, const NumberFormat& format);

// A whole number from lowest to highest: places, winners, terms.
int readWhole(const std::string& name, const std::string& text, int lowest, int highest);

// A price the exchange takes: on its ladder; otherwise the message names the nearest prices,
// at either end too.
Money readLadderPrice(const std::string& name, const std::string& text, const NumberFormat& format);

// The exchange's commission rate for a position, a market or a dutch: 0 to 10 per cent.
Money readExchangeRate(const std::string& name, const std::string& text,
                       const NumberFormat& format);

// KIND:STAKE@PRICE: a stake in cents above 0 up to 10000, an exchange price on the ladder, a
// bookmaker's above 1.00 up to 1000 in cents; a lay is taken at the exchange only.
Bet readBet(const std::string& text, const NumberFormat& format);

}  // namespace quorvel
