// Multiplication, the trips to and from floating point, and comparison with a double.
#include <cmath>

#include "core/int128.h"
#include "core/money.h"

namespace quorvel {

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

}  // namespace

std::optional<Money> Money::tryMultiply(Money a, Money b) noexcept {
    const Int128 product = static_cast<Int128>(a.count_) * b.count_;
    Int128 quotient = product / Money::kScale;
    const Int128 remainder = product % Money::kScale;  // same sign as product
    const Int128 twiceRest = (remainder < 0 ? -remainder : remainder) * 2;
    if (twiceRest > Money::kScale || (twiceRest == Money::kScale && (quotient & 1) != 0))
        quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max() ||
        quotient < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return Money(static_cast<std::int64_t>(quotient));
}

Money operator*(Money a, Money b) {
    if (const auto product = Money::tryMultiply(a, b)) return *product;
    throw MoneyError(MoneyErrorKind::Overflow);
}

double Money::toDouble() const noexcept {
    constexpr std::int64_t kExact = std::int64_t{1} << 53;
    // Up to 2^53 the count is a double exactly, and one IEEE division rounds once.
    if (count_ >= -kExact && count_ <= kExact)
        return static_cast<double>(count_) / static_cast<double>(kScale);
    // Beyond, double(count) would already round: take the 53-bit significand of
    // count / 10000 from the exact integer quotient instead, and round it half to even once.
    const bool negative = count_ < 0;
    const auto magnitude =
        negative ? 0 - static_cast<std::uint64_t>(count_) : static_cast<std::uint64_t>(count_);
    constexpr Int128 kLow = Int128{1} << 52;
    int shift = 0;
    while ((static_cast<Int128>(magnitude) << shift) / kScale < kLow) ++shift;
    const Int128 scaled = static_cast<Int128>(magnitude) << shift;
    Int128 significand = scaled / kScale;
    const Int128 twiceRest = scaled % kScale * 2;
    if (twiceRest > kScale || (twiceRest == kScale && (significand & 1) != 0)) ++significand;
    const double value = std::ldexp(static_cast<double>(significand), -shift);
    return negative ? -value : value;
}

std::optional<Money> Money::tryFromDouble(double x) noexcept {
    const double v = x * static_cast<double>(kScale);
    if (!std::isfinite(v)) return std::nullopt;
    // Ties to even, spelled out rather than taken from the floating-point environment.
    double rounded = std::floor(v);
    const double fraction = v - rounded;  // exact: below 2^52 v has few integer bits
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    // Casting an out-of-range double is undefined; 2^63 itself is already out.
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) return std::nullopt;
    return Money(static_cast<std::int64_t>(rounded));
}

Money Money::fromDouble(double x) {
    if (const auto money = tryFromDouble(x)) return *money;
    throw MoneyError(MoneyErrorKind::Overflow);
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

std::optional<double> tryFloatingDivide(double dividend, double divisor) noexcept {
    if (divisor == 0.0) return std::nullopt;
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) return std::nullopt;
    return quotient;
}

double floatingDivide(double dividend, double divisor) {
    if (const auto quotient = tryFloatingDivide(dividend, divisor)) return *quotient;
    throw MoneyError(MoneyErrorKind::Division);
}

}  // namespace quorvel
