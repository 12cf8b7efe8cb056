#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/mode_layout.h"
#include "core/money.h"

namespace quorvel {

// One result to show: the calculator field (0 to 6) and its value.
struct FieldValue {
    int field = 0;
    Money value;

    friend constexpr bool operator==(const FieldValue&, const FieldValue&) = default;
};

// The ordered results of one calculation: four entries, or none for an unknown mode.
class HedgeResults {
  public:
    static constexpr std::size_t kCapacity = 4;

    void push(int field, Money value) { items_[size_++] = FieldValue{field, value}; }

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    const FieldValue* begin() const noexcept { return items_.data(); }
    const FieldValue* end() const noexcept { return items_.data() + size_; }
    const FieldValue& operator[](std::size_t i) const noexcept { return items_[i]; }

  private:
    std::array<FieldValue, kCapacity> items_{};
    std::size_t size_ = 0;
};

// Both commission rates, in per cent, until the user gives others.
inline constexpr Money kDefaultCommissionRate = Money::fromWhole(5);

// How the exchange takes commission: one rate once from the net of both bets standing in a
// single market, or each bet's own rate on its own winnings in separate markets.
enum class CommissionModel { SingleMarket, SeparateMarkets };

// One hedge calculation, typed: what the window's fields and check box, the command line's
// arguments and a batch line each spell their own way.
//   HedgeRequest request{kLayBack, CommissionModel::SingleMarket, kDefaultCommissionRate,
//                        kDefaultCommissionRate, {back price, back stake, lay price}};
struct HedgeRequest {
    HedgeMode mode = kBetBack;
    CommissionModel model = CommissionModel::SingleMarket;
    Money backRate = kDefaultCommissionRate;  // per cent; the one rate in a single market
    Money layRate = kDefaultCommissionRate;   // per cent; separate markets only
    std::array<Money, 3> inputs{};            // in the mode's field order

    bool singleMarket() const noexcept { return model == CommissionModel::SingleMarket; }
};

// A commission rate in per cent as the fraction the calculation takes: F(rate / 100).
Money commissionFraction(Money ratePerCent);

// The stake of the opposite bet that evens the outcome, with liability, total staked and net
// profit or loss after commission. Rates are per cent; inputs come in the mode's field order.
// Any other mode gives no results. Overflow and division failures pass to the caller.
HedgeResults ComputeHedge(std::int16_t mode, bool singleMarket, Money backRate, Money layRate,
                          Money input1, Money input2, Money input3);

// ComputeHedge without exceptions: the results, or no results and the kind of failure that
// ComputeHedge would have thrown. For callers to whom failures are routine (batch lines).
struct HedgeAttempt {
    HedgeResults results;
    std::optional<MoneyErrorKind> failure;
};
HedgeAttempt TryComputeHedge(std::int16_t mode, bool singleMarket, Money backRate, Money layRate,
                             Money input1, Money input2, Money input3) noexcept;

// The same, for a typed request.
HedgeResults ComputeHedge(const HedgeRequest& request);
HedgeAttempt TryComputeHedge(const HedgeRequest& request) noexcept;

}  // namespace quorvel
