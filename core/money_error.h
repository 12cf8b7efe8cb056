#pragma once

#include <stdexcept>

namespace quorvel {

// The three ways a money operation can fail. Callers that care tell them apart by kind().
enum class MoneyErrorKind { Parse, Overflow, Division };

class MoneyError : public std::runtime_error {
  public:
    explicit MoneyError(MoneyErrorKind kind);

    MoneyErrorKind kind() const noexcept { return kind_; }

  private:
    MoneyErrorKind kind_;
};

// "parse", "overflow" or "division": the word the batch output and messages use.
const char* toString(MoneyErrorKind kind) noexcept;

}  // namespace quorvel
