#include "core/exact_sum.h"

#include <algorithm>

#include "core/money_error.h"

namespace quorvel {

namespace {

// An unsigned whole number of any size, in base 2³² digits, least significant first: only what
// comparing fractions by cross-multiplying needs.
class Natural {
  public:
    explicit Natural(UInt128 value) {
        for (int i = 0; i < 4; ++i, value >>= 32) digits_.push_back(low(value));
    }

    Natural& operator*=(UInt128 factor) {
        Natural product(0);
        for (std::size_t shift = 0; factor != 0; ++shift, factor >>= 32)
            product = product + times(low(factor)).shifted(shift);
        *this = product;
        return *this;
    }

    friend Natural operator+(const Natural& a, const Natural& b) {
        Natural sum(0);
        sum.digits_.assign(std::max(a.digits_.size(), b.digits_.size()) + 1, 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < sum.digits_.size(); ++i) {
            carry += a.at(i) + b.at(i);
            sum.digits_[i] = low(carry);
            carry >>= 32;
        }
        return sum;
    }

    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
        for (std::size_t i = std::max(a.digits_.size(), b.digits_.size()); i-- > 0;)
            if (a.at(i) != b.at(i)) return a.at(i) <=> b.at(i);
        return std::strong_ordering::equal;
    }

  private:
    static std::uint32_t low(UInt128 v) { return static_cast<std::uint32_t>(v); }
    std::uint64_t at(std::size_t i) const { return i < digits_.size() ? digits_[i] : 0; }

    Natural times(std::uint32_t factor) const {
        Natural product(0);
        product.digits_.assign(digits_.size() + 1, 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < digits_.size(); ++i) {
            carry += static_cast<std::uint64_t>(digits_[i]) * factor;
            product.digits_[i] = low(carry);
            carry >>= 32;
        }
        product.digits_.back() = low(carry);
        return product;
    }

    Natural shifted(std::size_t places) const {
        Natural moved(0);
        moved.digits_.assign(places, 0);
        moved.digits_.insert(moved.digits_.end(), digits_.begin(), digits_.end());
        return moved;
    }

    std::vector<std::uint32_t> digits_;
};

}  // namespace

std::strong_ordering compareSum(const std::vector<Fraction>& terms, Fraction value) {
    // The sum as numerator ÷ denominator, each term brought in by a/b + c/d = (ad + cb) / bd.
    Natural numerator(0), denominator(1);
    for (const Fraction& term : terms) {
        if (term.denominator == 0) throw MoneyError(MoneyErrorKind::Division);
        Natural scaled = denominator;
        scaled *= term.numerator;
        numerator *= term.denominator;
        numerator = numerator + scaled;
        denominator *= term.denominator;
    }
    if (value.denominator == 0) throw MoneyError(MoneyErrorKind::Division);
    numerator *= value.denominator;
    denominator *= value.numerator;
    return numerator <=> denominator;
}

}  // namespace quorvel
