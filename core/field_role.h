#pragma once

#include <optional>
#include <string_view>

#include "core/money.h"

namespace quorvel {

// What a calculator field is for. The code doubles as the field's tag text in the window.
enum class FieldRole {
    Price = 0,        // a price input: 0 (not yet entered) or above 1 up to 1000
    Amount = 1,       // a stake or the total funds: 0 to 10000
    Commission = 2,   // a commission rate in per cent: 0 to 5
    KeyResult = 3,    // the stake the user is after, shown bold
    OtherResult = 4,  // liability, total, net
};

constexpr bool isEditable(FieldRole role) noexcept {
    return role == FieldRole::Price || role == FieldRole::Amount || role == FieldRole::Commission;
}

// Whether an input field of this role accepts the value. Exact on the count, no tolerance.
// A price must show above 1.00: a price that would be shown (and read back) as 1.00 is a price
// of 1, which has no hedge, so it is refused like 1 itself.
constexpr bool isAccepted(FieldRole role, Money value) noexcept {
    const auto count = value.count();
    switch (role) {
        case FieldRole::Price:
            return count == 0 || (count >= 10050 && count <= 10'000'000);
        case FieldRole::Amount:
            return count >= 0 && count <= 100'000'000;
        case FieldRole::Commission:
            return count >= 0 && count <= 50'000;
        case FieldRole::KeyResult:
        case FieldRole::OtherResult:
            break;
    }
    return false;
}

// The role a field's tag names ("0" to "4"), or none for any other tag.
std::optional<FieldRole> fieldRoleOfTag(std::string_view tag) noexcept;

// What isAccepted admits, in words, for messages: "0, or above 1 up to 1000" and so on.
std::string_view acceptedRangeText(FieldRole role) noexcept;

}  // namespace quorvel
