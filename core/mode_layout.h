#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/caption_text.h"
#include "core/field_role.h"

namespace quorvel {

// The three tabs of the calculator.
enum HedgeMode : std::int16_t {
    kBetBack = 1,     // back what was laid
    kLayBack = 2,     // lay what was backed
    kTotalFunds = 3,  // back and lay for a total
};

// How many modes kModes holds: the modes are 1 to kModeCount.
inline constexpr std::size_t kModeCount = 3;

constexpr bool isKnownMode(std::int16_t mode) noexcept {
    return mode >= 1 && static_cast<std::size_t>(mode) <= kModeCount;
}

// What a field's value is, whatever the mode calls it: how the bets as placed are found.
enum class Quantity { BackPrice, BackStake, LayPrice, LayStake, Liability, TotalStake, Funds, Net };

// What one calculator field is in a mode: its label's caption (an ampersand marks the access
// key), its role, its name in machine-readable output (the caption in snake case), and what it
// holds.
struct FieldLayout {
    std::string_view caption;
    FieldRole role;
    std::string_view key;
    Quantity quantity;
};

using ModeLayout = std::array<FieldLayout, 7>;

// The field indexes that hold a mode's three inputs, in the order ComputeHedge takes them, and
// its four results, in the order it returns them.
struct ModeFields {
    std::array<int, 3> inputs;
    std::array<int, 4> results;
};

// Everything that tells a mode apart, for all who show or read one: its tab, its name on the
// command line, what it is for, and its seven fields. A new mode is a new entry here and its
// formula in core/hedge.cpp.
struct ModeDescriptor {
    HedgeMode mode;
    std::string_view tabCaption;   // an ampersand marks the access key
    std::string_view tabToolTip;   // blanks included
    std::string_view commandName;  // quorvel-calc's MODE
    std::string_view purpose;      // in a few words, for help texts
    ModeLayout fields;
    ModeFields order;
};

namespace detail {
using enum FieldRole;
inline constexpr std::array<ModeDescriptor, kModeCount> kModes{{
    {kBetBack,
     "B&et Back",
     " bet back a previously layed bet on the same selection ",
     "bet-back",
     "back a selection laid before",
     {{{"Lay &Price", Price, "lay_price", Quantity::LayPrice},
       {"Lay &Stake", Amount, "lay_stake", Quantity::LayStake},
       {"&Back Price", Price, "back_price", Quantity::BackPrice},
       {"Back Stake", KeyResult, "back_stake", Quantity::BackStake},
       {"Lay Liability", OtherResult, "lay_liability", Quantity::Liability},
       {"Total Stake", OtherResult, "total_stake", Quantity::TotalStake},
       {"Net P/L", OtherResult, "net", Quantity::Net}}},
     {{0, 1, 2}, {3, 4, 5, 6}}},
    {kLayBack,
     "L&ay Back",
     " lay back a previously placed bet on the same selection ",
     "lay-back",
     "lay a selection backed before",
     {{{"Back &Price", Price, "back_price", Quantity::BackPrice},
       {"Back &Stake", Amount, "back_stake", Quantity::BackStake},
       {"&Lay Price", Price, "lay_price", Quantity::LayPrice},
       {"Lay Stake", KeyResult, "lay_stake", Quantity::LayStake},
       {"Lay Liability", OtherResult, "lay_liability", Quantity::Liability},
       {"Total Stake", OtherResult, "total_stake", Quantity::TotalStake},
       {"Net P/L", OtherResult, "net", Quantity::Net}}},
     {{0, 1, 2}, {3, 4, 5, 6}}},
    {kTotalFunds,
     "Quorvel For &Total Funds",
     " back and lay one selection for a given total stake ",
     "total-funds",
     "back and lay for a given total",
     {{{"&Back Price", Price, "back_price", Quantity::BackPrice},
       {"Back Stake", KeyResult, "back_stake", Quantity::BackStake},
       {"&Lay Price", Price, "lay_price", Quantity::LayPrice},
       {"Lay Stake", KeyResult, "lay_stake", Quantity::LayStake},
       {"Lay Liability", OtherResult, "lay_liability", Quantity::Liability},
       {"Total &Funds", Amount, "total_funds", Quantity::Funds},
       {"Net P/L", OtherResult, "net", Quantity::Net}}},
     {{0, 2, 5}, {1, 3, 4, 6}}},
}};

// The table agrees with itself: modes in order, inputs on editable fields, results on result
// fields, every field one or the other.
constexpr bool consistent(const ModeDescriptor& d, std::size_t position) {
    if (static_cast<std::size_t>(d.mode) != position + 1) return false;
    std::array<int, 7> uses{};
    for (int field : d.order.inputs) {
        if (!isEditable(d.fields[static_cast<std::size_t>(field)].role)) return false;
        ++uses[static_cast<std::size_t>(field)];
    }
    for (int field : d.order.results) {
        if (isEditable(d.fields[static_cast<std::size_t>(field)].role)) return false;
        ++uses[static_cast<std::size_t>(field)];
    }
    for (int count : uses)
        if (count != 1) return false;
    return d.fields[static_cast<std::size_t>(d.order.results[0])].role == KeyResult;
}
constexpr bool allConsistent() {
    for (std::size_t i = 0; i < kModes.size(); ++i)
        if (!consistent(kModes[i], i)) return false;
    return true;
}
static_assert(allConsistent(), "the mode table contradicts itself");

// Each tab answers its own access key.
constexpr bool tabKeysUnique() {
    for (std::size_t i = 0; i < kModes.size(); ++i)
        for (std::size_t j = i + 1; j < kModes.size(); ++j)
            if (accessKeyOf(kModes[i].tabCaption) == accessKeyOf(kModes[j].tabCaption))
                return false;
    return true;
}
static_assert(tabKeysUnique(), "two tabs share an access key");
}  // namespace detail

// Every mode, in tab order.
inline constexpr const std::array<ModeDescriptor, kModeCount>& kModes = detail::kModes;

constexpr const ModeDescriptor& modeDescriptor(HedgeMode mode) noexcept {
    return detail::kModes[static_cast<std::size_t>(mode - 1)];
}
// The seven calculator fields of a mode.
constexpr const ModeLayout& modeLayout(HedgeMode mode) noexcept {
    return modeDescriptor(mode).fields;
}
constexpr const ModeFields& modeFields(HedgeMode mode) noexcept {
    return modeDescriptor(mode).order;
}

}  // namespace quorvel
