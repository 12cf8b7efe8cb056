#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/money.h"

namespace quorvel {

// What a calculator field is for. The code doubles as the field's tag text in the window.
enum class FieldRole {
    Price = 0,        // a price input
    Amount = 1,       // a stake or the total funds
    Commission = 2,   // a commission rate in per cent
    KeyResult = 3,    // the stake the user is after, shown bold
    OtherResult = 4,  // liability, total, net
};

constexpr bool isEditable(FieldRole role) noexcept {
    return role == FieldRole::Price || role == FieldRole::Amount || role == FieldRole::Commission;
}

// The accepted ranges. A price must show above 1.00: a price that would be shown (and read
// back) as 1.00 is a price of 1, which has no hedge, so it is refused like 1 itself; 0 means
// not entered yet.
inline constexpr Money kLowestPrice = Money::fromCount(10050);
inline constexpr Money kHighestPrice = Money::fromWhole(1000);
inline constexpr Money kHighestAmount = Money::fromWhole(10000);  // a stake or the total funds
inline constexpr Money kHighestRate = Money::fromWhole(5);        // per cent

// Whether an input field of this role accepts the value. Exact on the count, no tolerance.
constexpr bool isAccepted(FieldRole role, Money value) noexcept {
    const Money zero;
    switch (role) {
        case FieldRole::Price:
            return value == zero || (value >= kLowestPrice && value <= kHighestPrice);
        case FieldRole::Amount:
            return value >= zero && value <= kHighestAmount;
        case FieldRole::Commission:
            return value >= zero && value <= kHighestRate;
        case FieldRole::KeyResult:
        case FieldRole::OtherResult:
            break;
    }
    return false;
}

// The role a field's tag names ("0" to "4"), or none for any other tag.
std::optional<FieldRole> fieldRoleOfTag(std::string_view tag) noexcept;

// What isAccepted admits, in words, for messages: "0, or a price that shows above 1.00, up
// to 1000" and so on.
std::string acceptedRangeText(FieldRole role);

}  // namespace quorvel
