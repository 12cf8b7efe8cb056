#include "core/money_ratio.h"
#include "core/int128.h"

namespace quorvel {

Money mulDivRounded(Money a, Money b, Money c, Money unit, Rounding rounding) {
    if (c.isZero() || unit.isZero()) throw MoneyError(MoneyErrorKind::Division);
    // Counts: (A/s)(B/s) / (C/s) = A B / (C s) units, which is A B / C ten-thousandths.
    Int128 numerator = static_cast<Int128>(a.count()) * b.count();
    Int128 denominator = static_cast<Int128>(c.count()) * unit.count();
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Int128 units = divideRounded(numerator, denominator, rounding);
    const Int128 count = units * unit.count();
    if (count > std::numeric_limits<std::int64_t>::max() ||
        count < std::numeric_limits<std::int64_t>::min())
        throw MoneyError(MoneyErrorKind::Overflow);
    return Money::fromCount(static_cast<std::int64_t>(count));
}

}  // namespace quorvel
