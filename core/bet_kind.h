#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvel {

enum class BetSide { Back, Lay };

// Where a bet stands: the exchange takes commission on a market's positive net; a bookmaker
// takes none.
enum class Venue { Exchange, Bookmaker };

// Whose money the stake is: the bettor's, or a bookmaker's free bet whose stake is not returned
// (SNR) or returned with the winnings (SR).
enum class StakeKind { Cash, Free, FreeReturned };

// Every kind of bet a position may hold. A new kind is one row of kBetKinds; a lay exists only
// at the exchange, so there is no kind to write one elsewhere.
enum class BetKind { Back, Lay, Book, Free, FreeReturned };

struct BetKindInfo {
    BetKind kind;
    std::string_view name;  // as written before the colon: "free-sr" in free-sr:10@5
    Venue venue;
    BetSide side;
    StakeKind stake;
    std::string_view caption;  // the line of its totals: "Backed", "Free bets (SR)"
    std::string_view meaning;  // for the help, in a trader's words
};

inline constexpr std::array<BetKindInfo, 5> kBetKinds = {{
    {BetKind::Back, "back", Venue::Exchange, BetSide::Back, StakeKind::Cash, "Backed",
     "a back bet at the exchange"},
    {BetKind::Lay, "lay", Venue::Exchange, BetSide::Lay, StakeKind::Cash, "Laid",
     "a lay bet at the exchange"},
    {BetKind::Book, "book", Venue::Bookmaker, BetSide::Back, StakeKind::Cash, "Bookmaker",
     "a cash back bet at a bookmaker (an offer's qualifying bet)"},
    {BetKind::Free, "free", Venue::Bookmaker, BetSide::Back, StakeKind::Free, "Free bets",
     "a bookmaker's free bet, stake not returned (SNR): wins stake x (price - 1)"},
    {BetKind::FreeReturned, "free-sr", Venue::Bookmaker, BetSide::Back, StakeKind::FreeReturned,
     "Free bets (SR)", "a bookmaker's free bet, stake returned (SR): wins stake x price"},
}};

inline constexpr std::size_t kBetKindCount = kBetKinds.size();

constexpr const BetKindInfo& betKindInfo(BetKind kind) noexcept {
    return kBetKinds[static_cast<std::size_t>(kind)];
}

// The kind written as name ("back", "free-sr"), or none.
constexpr std::optional<BetKind> betKindNamed(std::string_view name) noexcept {
    for (const BetKindInfo& info : kBetKinds)
        if (info.name == name) return info.kind;
    return std::nullopt;
}

// "cash", "free" or "free-sr", as the JSON names a stake.
constexpr std::string_view stakeKindName(StakeKind stake) noexcept {
    switch (stake) {
        case StakeKind::Cash:
            return "cash";
        case StakeKind::Free:
            return "free";
        case StakeKind::FreeReturned:
            return "free-sr";
    }
    return "";
}

// The rows stand in the enumeration's order, so that a kind finds its row by index.
consteval bool rowsInKindOrder() {
    for (std::size_t i = 0; i < kBetKinds.size(); ++i)
        if (static_cast<std::size_t>(kBetKinds[i].kind) != i) return false;
    return true;
}
static_assert(rowsInKindOrder());

}  // namespace quorvel
