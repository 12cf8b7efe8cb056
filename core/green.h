#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/money.h"
#include "core/position.h"

namespace quorvel {

struct MarketRequest;

// How the whole market is greened: each runner hedged on its own net, or the hedge whose lowest
// net after commission is the most any hedge locks in.
enum class Green { None, Each, Best };

// Why a green stakes nothing.
enum class GreenProblem {
    None,
    Arbitrage,     // the back book is under 100 % or the lay book over: no level is the best
    MissingPrice,  // a runner lacks the price the green needs
    Certain,       // one runner: the market pays its P/L whatever happens
};

// What a green sees of the market: each runner's bets as the market's P/L if it wins, by venue
// (the exchange takes commission on its part only).
struct GreenSetting {
    const MarketRequest& request;
    std::vector<Money> exchange;
    std::vector<Money> bookmaker;
    std::vector<Money> spread;  // each runner's own bets: what its win pays less what its loss does
};

using Hedges = std::vector<std::optional<HedgeBet>>;  // at most one bet a runner

struct GreenResult {
    GreenProblem problem = GreenProblem::None;
    std::size_t problemRunner = 0;  // the runner without the price
    bool problemPriceIsBack = false;
    Hedges hedges;
    std::optional<Money> exactLevel;  // the most locked in with stakes of any size, if known
};

// Green each: every runner with bets hedged on its own, at its own price, each stake the cent
// of the two around its exact stake that leaves the lowest net highest.
GreenResult GreenEach(const GreenSetting& setting);
// Green best: the most the market's lowest net after commission can be with stakes in whole
// cents and minimums kept, on the runners the exact optimum hedges; never less than green each.
GreenResult GreenBest(const GreenSetting& setting);

// Every green: a new one is one row.
struct GreenInfo {
    Green green;
    std::string_view name;     // as written after --green
    std::string_view caption;  // the summary's: "Green each"
    std::string_view help;     // in a trader's words
    GreenResult (*compute)(const GreenSetting&);
};

inline constexpr std::array<GreenInfo, 2> kGreens = {{
    {Green::Each, "each", "Green each", "each runner hedged on its own net", GreenEach},
    {Green::Best, "best", "Green best",
     "the hedge that locks in the most whichever runner wins, to the cent", GreenBest},
}};

constexpr const GreenInfo* greenInfo(Green green) noexcept {
    for (const GreenInfo& info : kGreens)
        if (info.green == green) return &info;
    return nullptr;
}

constexpr std::optional<Green> greenNamed(std::string_view name) noexcept {
    for (const GreenInfo& info : kGreens)
        if (info.name == name) return info.green;
    return std::nullopt;
}

}  // namespace quorvel
