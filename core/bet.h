#pragma once

#include <optional>
#include <string_view>

#include "core/money.h"
#include "core/number_format.h"

namespace quorvel {

enum class BetSide { Back, Lay };

// A matched bet on the selection: its side, its price and the stake matched at that price.
// A free bet is a back bet whose stake is not returned: it wins stake × (price − 1) and loses
// nothing.
struct Bet {
    BetSide side = BetSide::Back;
    Money price;
    Money stake;
    bool free = false;

    friend constexpr bool operator==(const Bet&, const Bet&) = default;
};

// What is wrong with a bet's text.
enum class BetTextError {
    Shape,  // not back:STAKE@PRICE, lay:STAKE@PRICE or free:STAKE@PRICE
    Stake,  // the stake is no number
    Price,  // the price is no number
};

struct ParsedBet {
    std::optional<Bet> bet;
    BetTextError error = BetTextError::Shape;
    std::string_view stakeText;  // the parts of a text of the right shape, for messages
    std::string_view priceText;
};

// Reads "back:10@3.00", "lay:12.5@2.5" or "free:10@5", the numbers with the given separators.
// Ranges and prices are not checked here.
ParsedBet parseBet(std::string_view text, const NumberFormat& format) noexcept;

}  // namespace quorvel
