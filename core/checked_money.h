#pragma once

#include <optional>

#include "core/money.h"

namespace quorvel {

// The first failure of one calculation run without exceptions. Every checked value of the
// calculation points to it; after a failure the operations go on with zeros, which no longer
// matter, and only the first failure is kept: the one the throwing form would have raised.
class FirstFailure {
  public:
    void note(MoneyErrorKind kind) noexcept {
        if (!kind_) kind_ = kind;
    }
    bool failed() const noexcept { return kind_.has_value(); }
    std::optional<MoneyErrorKind> kind() const noexcept { return kind_; }

  private:
    std::optional<MoneyErrorKind> kind_;
};

class CheckedReal;
class CheckedMoney;
CheckedMoney fromDouble(CheckedReal x) noexcept;

// A money value whose operations note their failures instead of throwing: the formulas, written
// once as templates, run on Money (throwing) or on this (for batch lines, where failures are
// routine and an exception would cost several times the line).
//   FirstFailure failure;
//   CheckedMoney a(Money::max(), failure);
//   a + a;  // failure.kind() == MoneyErrorKind::Overflow
class CheckedMoney {
  public:
    CheckedMoney(Money value, FirstFailure& failure) noexcept : value_(value), failure_(&failure) {}
    // A constant of the formulas, such as 1; it takes its failure record from its partner.
    explicit(false) constexpr CheckedMoney(Money constant) noexcept : value_(constant) {}

    Money value() const noexcept { return value_; }
    bool isZero() const noexcept { return value_.isZero(); }
    std::partial_ordering compare(double other) const noexcept { return value_.compare(other); }
    CheckedReal toDouble() const noexcept;

    friend CheckedMoney operator+(CheckedMoney a, CheckedMoney b) noexcept {
        return a.combine(b, Money::tryAdd(a.value_, b.value_));
    }
    friend CheckedMoney operator-(CheckedMoney a, CheckedMoney b) noexcept {
        return a.combine(b, Money::trySubtract(a.value_, b.value_));
    }
    friend CheckedMoney operator*(CheckedMoney a, CheckedMoney b) noexcept {
        return a.combine(b, Money::tryMultiply(a.value_, b.value_));
    }

  private:
    friend CheckedMoney fromDouble(CheckedReal x) noexcept;

    CheckedMoney combine(CheckedMoney other, std::optional<Money> result) const noexcept {
        FirstFailure* failure = failure_ != nullptr ? failure_ : other.failure_;
        if (!result) {
            if (failure != nullptr) failure->note(MoneyErrorKind::Overflow);
            result = Money();
        }
        CheckedMoney combined(*result);
        combined.failure_ = failure;
        return combined;
    }

    Money value_;
    FirstFailure* failure_ = nullptr;
};

// The floating companion of CheckedMoney.
class CheckedReal {
  public:
    explicit(false) constexpr CheckedReal(double constant) noexcept : value_(constant) {}
    CheckedReal(double value, FirstFailure* failure) noexcept : value_(value), failure_(failure) {}

    double value() const noexcept { return value_; }

    friend CheckedReal operator+(CheckedReal a, CheckedReal b) noexcept {
        return {a.value_ + b.value_, a.failureOf(b)};
    }
    friend CheckedReal operator*(CheckedReal a, CheckedReal b) noexcept {
        return {a.value_ * b.value_, a.failureOf(b)};
    }
    friend CheckedReal floatingDivide(CheckedReal a, CheckedReal b) noexcept {
        FirstFailure* failure = a.failureOf(b);
        const auto quotient = tryFloatingDivide(a.value_, b.value_);
        if (!quotient && failure != nullptr) failure->note(MoneyErrorKind::Division);
        return {quotient.value_or(0.0), failure};
    }
    friend CheckedMoney fromDouble(CheckedReal x) noexcept;

  private:
    FirstFailure* failureOf(CheckedReal other) const noexcept {
        return failure_ != nullptr ? failure_ : other.failure_;
    }

    double value_;
    FirstFailure* failure_ = nullptr;
};

inline CheckedReal CheckedMoney::toDouble() const noexcept {
    return {value_.toDouble(), failure_};
}

// The floating intermediate brought back to money.
inline CheckedMoney fromDouble(CheckedReal x) noexcept {
    const auto money = Money::tryFromDouble(x.value_);
    if (!money && x.failure_ != nullptr) x.failure_->note(MoneyErrorKind::Overflow);
    CheckedMoney result(money.value_or(Money()));
    result.failure_ = x.failure_;
    return result;
}

}  // namespace quorvel
