#pragma once

#include <array>
#include <string>
#include <string_view>

#include "field_role.h"
#include "hedge.h"

namespace quorvel {

// What one calculator field is in a mode: its label's caption (an ampersand marks the access
// key) and its role.
struct FieldLayout {
    std::string_view caption;
    FieldRole role;
};

using ModeLayout = std::array<FieldLayout, 7>;

namespace detail {
using enum FieldRole;
inline constexpr std::array<ModeLayout, 3> kModeLayouts{{
    {{{"Lay &Price", Price},
      {"Lay &Stake", Amount},
      {"&Back Price", Price},
      {"Back Stake", KeyResult},
      {"Lay Liability", OtherResult},
      {"Total Stake", OtherResult},
      {"Net P/L", OtherResult}}},
    {{{"Back &Price", Price},
      {"Back &Stake", Amount},
      {"&Lay Price", Price},
      {"Lay Stake", KeyResult},
      {"Lay Liability", OtherResult},
      {"Total Stake", OtherResult},
      {"Net P/L", OtherResult}}},
    {{{"&Back Price", Price},
      {"Back Stake", KeyResult},
      {"&Lay Price", Price},
      {"Lay Stake", KeyResult},
      {"Lay Liability", OtherResult},
      {"Total &Funds", Amount},
      {"Net P/L", OtherResult}}},
}};
}  // namespace detail

// The seven calculator fields of a mode (kBetBack, kLayBack or kTotalFunds).
constexpr const ModeLayout& modeLayout(HedgeMode mode) noexcept {
    return detail::kModeLayouts[static_cast<std::size_t>(mode - 1)];
}

// A caption as it reads on screen: the access-key ampersand dropped.
std::string plainCaption(std::string_view caption);

}  // namespace quorvel
