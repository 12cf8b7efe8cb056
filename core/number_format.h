#pragma once

#include <string>

namespace quorvel {

// The locale's number separators, as UTF-8 text. The core never asks the system for them:
// whoever knows the user's locale (Qt in the window, the C library in the command line) hands
// them in, so tests can use any pair.
class NumberFormat {
  public:
    static constexpr std::size_t kMaxSeparatorBytes = 8;

    // Throws std::invalid_argument when the decimal separator is empty, either separator
    // contains a digit, a sign or an exponent letter, the decimal one a space, either is longer
    // than kMaxSeparatorBytes, or both are the same.
    NumberFormat(std::string decimalSeparator, std::string groupSeparator);

    // Point for decimals, comma for grouping: the C locale's reading of numbers.
    static NumberFormat pointComma() { return {".", ","}; }
    // The locale's separators where numbers can be read with them, else pointComma().
    //   readableOrPointComma(",", ".")  reads 1.234,50
    //   readableOrPointComma(",", ",")  is pointComma(): the two must differ
    static NumberFormat readableOrPointComma(std::string decimal, std::string group);

    const std::string& decimalSeparator() const noexcept { return decimal_; }
    const std::string& groupSeparator() const noexcept { return group_; }

  private:
    std::string decimal_;
    std::string group_;
};

}  // namespace quorvel
