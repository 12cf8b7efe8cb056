#include "core/field_role.h"

namespace quorvel {

std::optional<FieldRole> fieldRoleOfTag(std::string_view tag) noexcept {
    if (tag.size() != 1 || tag[0] < '0' || tag[0] > '4') return std::nullopt;
    return static_cast<FieldRole>(tag[0] - '0');
}

std::string acceptedRangeText(FieldRole role) {
    auto whole = [](Money value) { return std::to_string(value.count() / Money::kScale); };
    switch (role) {
        case FieldRole::Price:
            return "0, or a price that shows above 1.00, up to " + whole(kHighestPrice);
        case FieldRole::Amount:
            return "0 to " + whole(kHighestAmount);
        case FieldRole::Commission:
            return "0 to " + whole(kHighestRate);
        case FieldRole::KeyResult:
        case FieldRole::OtherResult:
            break;
    }
    return "nothing (a result)";
}

}  // namespace quorvel
