// Every floating step keeps its order and its rounding to double: another order, a fused
// multiply-add or a wider intermediate may change the last bit of a double, and so a result's
// rounding to ten-thousandths. The four-decimal values of the worked examples in
// tests/core/hedge_test.cpp (InnerValuesOfTheWorkedExamples) pin them.
#include "core/hedge.h"

#include "core/checked_money.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);

// The formulas are written once, for M = Money (failures throw) and M = CheckedMoney (failures
// are noted); M's toDouble() gives the matching floating type, double or CheckedReal.

// F(x): a floating intermediate brought back to money.
Money F(double x) {
    return Money::fromDouble(x);
}
CheckedMoney F(CheckedReal x) {
    return fromDouble(x);
}

// a ÷ b for money operands: both to floating, then divided.
template <class M>
auto divide(M a, M b) {
    return floatingDivide(a.toDouble(), b.toDouble());
}
template <class R, class M>
auto divide(R a, M b) {
    return floatingDivide(a, b.toDouble());
}

template <class M>
bool above(M value, double bound) {
    return value.compare(bound) > 0;
}

Money plain(Money value) {
    return value;
}
Money plain(CheckedMoney value) {
    return value.value();
}

// The values, in the order the mode's table lists its result fields.
template <class M>
HedgeResults inResultOrder(HedgeMode mode, const std::array<M, 4>& values) {
    HedgeResults results;
    const ModeFields& fields = modeFields(mode);
    for (std::size_t i = 0; i < values.size(); ++i)
        results.push(fields.results[i], plain(values[i]));
    return results;
}

// A commission rate in per cent as the fraction the calculation takes: F(rate / 100).
template <class M>
M fraction(M ratePerCent) {
    return F(floatingDivide(ratePerCent.toDouble(), 100.0));
}

template <class M>
struct Rates {
    M cB;  // fraction of back winnings (the one rate in a single market)
    M cL;  // fraction of lay winnings
};

// What a back stake of 1 brings back when the back bet wins, after commission.
template <class M>
M backReturnFactor(M backPrice, Rates<M> rates) {
    return kOne + (backPrice - kOne) * (kOne - rates.cB);
}

// A single market nets both bets, so commission is taken once, from a positive net only.
template <class M>
M afterSingleMarketCommission(M net, Rates<M> rates) {
    return above(net, 0.0) ? net * (kOne - rates.cB) : net;
}

template <class M>
HedgeResults betBack(bool single, Rates<M> rates, M LP, M LS, M BP) {
    M backStake = Money(), liability = Money(), total = Money(), net = Money();
    if (!LS.isZero() && !LP.isZero()) {
        liability = (LP - kOne) * LS;
        if (!BP.isZero()) {
            if (single) {
                backStake = F(divide(LP * LS, BP));
                total = backStake + liability;
                net = afterSingleMarketCommission(LS - backStake, rates);
            } else {
                const M K = backReturnFactor(BP, rates);
                backStake = F(divide(LS * (LP - rates.cL), K));
                total = backStake + liability;
                net = backStake * K - total;
            }
        }
    }
    return inResultOrder<M>(kBetBack, {backStake, liability, total, net});
}

template <class M>
HedgeResults layBack(bool single, Rates<M> rates, M BP, M BS, M LP) {
    M layStake = Money(), liability = Money(), total = Money(), net = Money();
    if (!BP.isZero() && !BS.isZero() && !LP.isZero()) {
        if (single) {
            layStake = F(divide(BP * BS, LP));
            liability = (LP - kOne) * layStake;
            total = BS + liability;
            net = afterSingleMarketCommission(layStake - BS, rates);
        } else {
            const M K = backReturnFactor(BP, rates);
            layStake = F(divide(BS * K, LP - rates.cL));
            liability = (LP - kOne) * layStake;
            total = BS + liability;
            net = layStake * (kOne - rates.cL) - BS;
        }
    }
    return inResultOrder<M>(kLayBack, {layStake, liability, total, net});
}

template <class M>
HedgeResults totalFunds(bool single, Rates<M> rates, M BP, M LP, M TF) {
    M backStake = Money(), layStake = Money(), liability = Money(), net = Money();
    if (!LP.isZero() && !BP.isZero() && !TF.isZero()) {
        if (single) {
            if (above(LP, 2.0)) {
                layStake = F(divide(TF, LP - kOne));  // liability equals the funds
                backStake = F(divide(layStake * LP, BP));
            } else {
                backStake = TF;
                layStake = F(divide(TF * BP, LP));
            }
            liability = (LP - kOne) * layStake;
            net = afterSingleMarketCommission(layStake - backStake, rates);
        } else {
            const M K = backReturnFactor(BP, rates);
            // TF / (1 + K (LP - 1) / (LP - cL)), as reciprocals: each quotient rounds once, and
            // the total-funds rows of InnerValuesOfTheWorkedExamples hold the last digit.
            const auto p = divide(1.0, K);
            const auto q = divide(1.0, LP - kOne);
            const auto r = (kOne - rates.cL).toDouble() * q + 1.0;
            const auto s = floatingDivide(1.0, r) + p;
            const auto t = floatingDivide(TF.toDouble(), s);
            backStake = F(divide(t, K));
            layStake = F(divide(backStake * K, LP - rates.cL));
            liability = (LP - kOne) * layStake;
            net = layStake * (kOne - rates.cL) - backStake;
        }
    }
    return inResultOrder<M>(kTotalFunds, {backStake, layStake, liability, net});
}

template <class M>
HedgeResults compute(std::int16_t mode, bool singleMarket, M backRate, M layRate, M input1,
                     M input2, M input3) {
    const Rates<M> rates{fraction(backRate), fraction(layRate)};
    switch (mode) {
        case kBetBack:
            return betBack(singleMarket, rates, input1, input2, input3);
        case kLayBack:
            return layBack(singleMarket, rates, input1, input2, input3);
        case kTotalFunds:
            return totalFunds(singleMarket, rates, input1, input2, input3);
        default:
            return {};
    }
}

}  // namespace

Money commissionFraction(Money ratePerCent) {
    return fraction(ratePerCent);
}

HedgeResults ComputeHedge(std::int16_t mode, bool singleMarket, Money backRate, Money layRate,
                          Money input1, Money input2, Money input3) {
    return compute(mode, singleMarket, backRate, layRate, input1, input2, input3);
}

HedgeAttempt TryComputeHedge(std::int16_t mode, bool singleMarket, Money backRate, Money layRate,
                             Money input1, Money input2, Money input3) noexcept {
    FirstFailure failure;
    auto checked = [&failure](Money value) { return CheckedMoney(value, failure); };
    HedgeAttempt attempt;
    attempt.results = compute(mode, singleMarket, checked(backRate), checked(layRate),
                              checked(input1), checked(input2), checked(input3));
    attempt.failure = failure.kind();
    if (attempt.failure) attempt.results = {};
    return attempt;
}

HedgeResults ComputeHedge(const HedgeRequest& r) {
    return ComputeHedge(r.mode, r.singleMarket(), r.backRate, r.layRate, r.inputs[0], r.inputs[1],
                        r.inputs[2]);
}

HedgeAttempt TryComputeHedge(const HedgeRequest& r) noexcept {
    return TryComputeHedge(r.mode, r.singleMarket(), r.backRate, r.layRate, r.inputs[0],
                           r.inputs[1], r.inputs[2]);
}

}  // namespace quorvel
