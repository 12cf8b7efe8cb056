#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/money_error.h"
#include "core/number_format.h"

namespace quorvel {

// A signed fixed-point amount with four decimals, held as one 64-bit count of ten-thousandths
// (the layout of the OLE Automation currency type). Addition and subtraction are exact;
// multiplication and the return from floating point round to the nearest ten-thousandth, ties
// to even. There is no money-by-money division: quotients are formed in floating point.
//
// Every operation that cannot produce its exact (or correctly rounded) result throws MoneyError
// and leaves its operands alone.
class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    // Zero.
    constexpr Money() noexcept = default;

    // count ten-thousandths: fromCount(25000) is 2.5.
    static constexpr Money fromCount(std::int64_t count) noexcept { return Money(count); }

    // A whole number of units; throws an overflow failure when it does not fit.
    static constexpr Money fromWhole(std::int64_t units) {
        std::int64_t count = 0;
        if (__builtin_mul_overflow(units, kScale, &count))
            throw MoneyError(MoneyErrorKind::Overflow);
        return Money(count);
    }

    // The double x, rounded to the nearest ten-thousandth (v = x * 10000.0 in double, then ties
    // to even). NaN, infinities and values beyond the count's range are overflow failures.
    static Money fromDouble(double x);

    // Text typed by a user, read with the given separators: optional spaces, an optional sign,
    // digits (grouping separators only between two digits of the integer part), an optional
    // decimal separator with digits, an optional exponent, optional spaces. More than four
    // decimals round half to even. A parse failure for any other text, an overflow failure for
    // a number beyond the range.
    static Money parse(std::string_view text, const NumberFormat& format);

    // The non-throwing forms, for callers to whom a failure is routine (a batch of untrusted
    // lines): nothing, with the kind of failure in failure, where the throwing form would throw.
    //   MoneyErrorKind why;
    //   Money::tryParse("abc", format, why);  // nullopt, why == MoneyErrorKind::Parse
    static std::optional<Money> tryParse(std::string_view text, const NumberFormat& format,
                                         MoneyErrorKind& failure) noexcept;
    // Each of these can fail only by overflow.
    static std::optional<Money> tryFromDouble(double x) noexcept;
    static constexpr std::optional<Money> tryAdd(Money a, Money b) noexcept {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(a.count_, b.count_, &sum)) return std::nullopt;
        return Money(sum);
    }
    static constexpr std::optional<Money> trySubtract(Money a, Money b) noexcept {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(a.count_, b.count_, &difference)) return std::nullopt;
        return Money(difference);
    }
    static std::optional<Money> tryMultiply(Money a, Money b) noexcept;

    static constexpr Money max() noexcept {
        return Money(std::numeric_limits<std::int64_t>::max());
    }
    static constexpr Money min() noexcept {
        return Money(std::numeric_limits<std::int64_t>::min());
    }

    constexpr std::int64_t count() const noexcept { return count_; }
    constexpr bool isZero() const noexcept { return count_ == 0; }

    // The double nearest to count / 10000, for every count: fromCount(9007199254740995)
    // gives 900719925474.0995 (the nearest double), where double(count) / 10000 would round
    // twice, the count first, and give 900719925474.0996.
    double toDouble() const noexcept;

    // The value as the "Standard" display shows it: rounded to cents, half away from zero.
    // An overflow failure where that leaves the range.
    constexpr Money roundedToCents() const {
        const std::int64_t rest = count_ % 100;  // same sign as the count
        const std::int64_t down = count_ - rest;
        if (rest >= 50) return Money(down) + fromCount(100);
        if (rest <= -50) return Money(down) - fromCount(100);
        return Money(down);
    }

    // The "Standard" display text: grouped in threes, exactly two decimals (half away from
    // zero), a leading minus. A negative value that rounds to zero shows as plain zero, so a
    // loss never shows as "-0.00".
    std::string display(const NumberFormat& format) const;

    // The display text with all four decimals where the last two are not zero: 1.3212, 1.30,
    // -0.0079. An overflow failure for min().
    std::string displayFine(const NumberFormat& format) const;

    // Numeric comparison with a double constant such as 0.0 or 2.0 (exact for any double whose
    // value times 10000 is a double exactly).
    std::partial_ordering compare(double other) const noexcept;

    friend constexpr Money operator+(Money a, Money b) {
        if (const auto sum = tryAdd(a, b)) return *sum;
        throw MoneyError(MoneyErrorKind::Overflow);
    }

    friend constexpr Money operator-(Money a, Money b) {
        if (const auto difference = trySubtract(a, b)) return *difference;
        throw MoneyError(MoneyErrorKind::Overflow);
    }

    // The exact 128-bit product of the counts, brought back to ten-thousandths, ties to even.
    friend Money operator*(Money a, Money b);

    friend constexpr bool operator==(Money, Money) noexcept = default;
    friend constexpr std::strong_ordering operator<=>(Money, Money) noexcept = default;

  private:
    constexpr explicit Money(std::int64_t count) noexcept : count_(count) {}

    std::int64_t count_ = 0;
};

// IEEE 754 division that refuses what has no finite result: a zero divisor, 0 / 0, or a
// quotient too large for a double are division failures.
double floatingDivide(double dividend, double divisor);
// The same without throwing: nothing where floatingDivide fails.
std::optional<double> tryFloatingDivide(double dividend, double divisor) noexcept;

}  // namespace quorvel
