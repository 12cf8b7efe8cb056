#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/hedge.h"
#include "core/money.h"

namespace quorvel {

// Backing several runners so that any of them winning pays the same, or laying several
// (making a book) so that any of them winning costs the same.
enum class DutchSide { Back, Lay };
// What the stakes are worked out from: the total staked, the profit if a chosen runner wins
// (backs), or the most lost if one wins (lays).
enum class DutchTarget { Stake, Profit, Liability };

struct DutchRunner {
    std::string name;
    Money price;  // its back price for a back dutch, its lay price for a lay dutch
};

struct DutchRequest {
    DutchSide side = DutchSide::Back;
    std::vector<DutchRunner> runners;  // the chosen runners
    DutchTarget target = DutchTarget::Stake;
    Money amount;
    Money rate = kDefaultCommissionRate;
};

struct DutchReport {
    std::vector<Money> stakes;  // each to the cent, in the request's order
    std::vector<Money> ifWins;  // if that runner wins, from the rounded stakes
    std::vector<Money> netIfWins;
    Money ifOtherWins;  // if a runner not chosen wins
    Money netIfOtherWins;
    Money staked;
    Money book;  // Σ 100 ÷ price over the chosen runners, per cent, to two decimals
};

// The stakes in proportion to 1 ÷ price, each rounded to the cent on its own (no remainder is
// pushed onto one stake): for a back dutch of total T, T × (1 ÷ price) ÷ Σ 1 ÷ price, with
// T = P ÷ (1 ÷ Σ − 1) for a profit P; for a lay dutch of liability L, K ÷ price with
// K = L ÷ (1 − Σ 1 ÷ price). Lays at 5.00, 12.00 and 31.00 for a liability of 50 are 14.61,
// 6.09 and 2.36. Commission is taken on a positive result. Nothing when the target has no
// answer: a profit, or a lay book, at 100 % or more.
std::optional<DutchReport> ComputeDutch(const DutchRequest& request);

}  // namespace quorvel
