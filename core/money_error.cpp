#include "core/money_error.h"

namespace quorvel {

const char* toString(MoneyErrorKind kind) noexcept {
    switch (kind) {
        case MoneyErrorKind::Parse:
            return "parse";
        case MoneyErrorKind::Overflow:
            return "overflow";
        case MoneyErrorKind::Division:
            return "division";
    }
    return "unknown";
}

MoneyError::MoneyError(MoneyErrorKind kind)
    : std::runtime_error(std::string("money ") + toString(kind) + " failure"), kind_(kind) {}

}  // namespace quorvel
