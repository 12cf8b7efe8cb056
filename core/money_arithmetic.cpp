// Multiplication, the trips to and from floating point, and comparison with a double.
#include <cmath>

#include "core/money.h"

namespace quorvel {

namespace {

__extension__ using Int128 = __int128;

constexpr double kTwoTo63 = 9223372036854775808.0;

}  // namespace

Money operator*(Money a, Money b) {
    const Int128 product = static_cast<Int128>(a.count_) * b.count_;
    Int128 quotient = product / Money::kScale;
    const Int128 remainder = product % Money::kScale;  // same sign as product
    const Int128 twiceRest = (remainder < 0 ? -remainder : remainder) * 2;
    if (twiceRest > Money::kScale || (twiceRest == Money::kScale && (quotient & 1) != 0))
        quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max() ||
        quotient < std::numeric_limits<std::int64_t>::min())
        throw MoneyError(MoneyErrorKind::Overflow);
    return Money(static_cast<std::int64_t>(quotient));
}

double Money::toDouble() const noexcept {
    // Dividing (not multiplying by 0.0001, which is inexact) gives the nearest double.
    return static_cast<double>(count_) / static_cast<double>(kScale);
}

Money Money::fromDouble(double x) {
    const double v = x * static_cast<double>(kScale);
    if (!std::isfinite(v)) throw MoneyError(MoneyErrorKind::Overflow);
    // Ties to even, spelled out rather than taken from the floating-point environment.
    double rounded = std::floor(v);
    const double fraction = v - rounded;  // exact: below 2^52 v has few integer bits
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    // Casting an out-of-range double is undefined; 2^63 itself is already out.
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) throw MoneyError(MoneyErrorKind::Overflow);
    return Money(static_cast<std::int64_t>(rounded));
}

std::partial_ordering Money::compare(double other) const noexcept {
    // Compares the count with other * 10000; exact whenever that product is exact, as it is
    // for the constants the calculation compares with (0.0, 2.0) and for any double with few
    // significant bits.
    if (std::isnan(other)) return std::partial_ordering::unordered;
    const double scaled = other * static_cast<double>(kScale);
    if (scaled >= kTwoTo63) return std::partial_ordering::less;
    if (scaled < -kTwoTo63) return std::partial_ordering::greater;
    const double whole = std::floor(scaled);
    const auto wholeCount = static_cast<std::int64_t>(whole);
    if (count_ != wholeCount) return count_ <=> wholeCount;
    return whole == scaled ? std::partial_ordering::equivalent : std::partial_ordering::less;
}

double floatingDivide(double dividend, double divisor) {
    if (divisor == 0.0) throw MoneyError(MoneyErrorKind::Division);
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) throw MoneyError(MoneyErrorKind::Division);
    return quotient;
}

}  // namespace quorvel
