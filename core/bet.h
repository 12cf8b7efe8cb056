#pragma once

#include <optional>
#include <string_view>

#include "core/bet_kind.h"
#include "core/money.h"
#include "core/number_format.h"

namespace quorvel {

// A matched bet on the selection: its kind, its price and the stake matched at that price.
struct Bet {
    BetKind kind = BetKind::Back;
    Money price;
    Money stake;
    // Matched after the market's non-runners withdrew (in play): their factors leave its price.
    bool matchedAfter = false;

    constexpr const BetKindInfo& info() const noexcept { return betKindInfo(kind); }

    friend constexpr bool operator==(const Bet&, const Bet&) = default;
};

// What is wrong with a bet's text.
enum class BetTextError {
    Shape,  // not KIND:STAKE@PRICE with a kind of kBetKinds
    Stake,  // the stake is no number
    Price,  // the price is no number
};

struct ParsedBet {
    std::optional<Bet> bet;
    BetTextError error = BetTextError::Shape;
    std::string_view kindText;  // the parts of the text, for messages
    std::string_view stakeText;
    std::string_view priceText;
};

// Reads "back:10@3.00", "lay:12.5@2.5", "free-sr:10@5" and the like, the numbers with the given
// separators. Ranges and prices are not checked here.
ParsedBet parseBet(std::string_view text, const NumberFormat& format) noexcept;

// What is wrong with a bet that reads: its stake (above 0, up to 10000, in whole cents, as
// exchanges and bookmakers take money), or its price (an exchange's on the ladder, a
// bookmaker's above 1.00 up to 1000 in cents).
//   checkBet(*parseBet("back:10@3.03", format).bet)  // BetProblem::Price: off the ladder
enum class BetProblem { None, Stake, Price };
BetProblem checkBet(const Bet& bet) noexcept;

}  // namespace quorvel
