#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/field_role.h"
#include "core/hedge.h"

namespace quorvel {

// What one calculator field is in a mode: its label's caption (an ampersand marks the access
// key), its role, and its name in machine-readable output (the caption in snake case).
struct FieldLayout {
    std::string_view caption;
    FieldRole role;
    std::string_view key;
};

using ModeLayout = std::array<FieldLayout, 7>;

namespace detail {
using enum FieldRole;
inline constexpr std::array<ModeLayout, 3> kModeLayouts{{
    {{{"Lay &Price", Price, "lay_price"},
      {"Lay &Stake", Amount, "lay_stake"},
      {"&Back Price", Price, "back_price"},
      {"Back Stake", KeyResult, "back_stake"},
      {"Lay Liability", OtherResult, "lay_liability"},
      {"Total Stake", OtherResult, "total_stake"},
      {"Net P/L", OtherResult, "net"}}},
    {{{"Back &Price", Price, "back_price"},
      {"Back &Stake", Amount, "back_stake"},
      {"&Lay Price", Price, "lay_price"},
      {"Lay Stake", KeyResult, "lay_stake"},
      {"Lay Liability", OtherResult, "lay_liability"},
      {"Total Stake", OtherResult, "total_stake"},
      {"Net P/L", OtherResult, "net"}}},
    {{{"&Back Price", Price, "back_price"},
      {"Back Stake", KeyResult, "back_stake"},
      {"&Lay Price", Price, "lay_price"},
      {"Lay Stake", KeyResult, "lay_stake"},
      {"Lay Liability", OtherResult, "lay_liability"},
      {"Total &Funds", Amount, "total_funds"},
      {"Net P/L", OtherResult, "net"}}},
}};
}  // namespace detail

// The seven calculator fields of a mode (kBetBack, kLayBack or kTotalFunds).
constexpr const ModeLayout& modeLayout(HedgeMode mode) noexcept {
    return detail::kModeLayouts[static_cast<std::size_t>(mode - 1)];
}

// A caption as it reads on screen: the access-key ampersand dropped.
std::string plainCaption(std::string_view caption);

}  // namespace quorvel
