// Every floating step keeps its order and its rounding to double: another order, a fused
// multiply-add or a wider intermediate may change the last bit of a double, and so a result's
// rounding to ten-thousandths. The four-decimal values of the worked examples in
// tests/core/hedge_test.cpp (InnerValuesOfTheWorkedExamples) pin them.
#include "core/hedge.h"

namespace quorvel {

namespace {

constexpr Money kOne = Money::fromWhole(1);

// F(x): a floating intermediate brought back to money.
Money F(double x) {
    return Money::fromDouble(x);
}

// a ÷ b for money operands: both to floating, then divided.
double divide(Money a, Money b) {
    return floatingDivide(a.toDouble(), b.toDouble());
}
double divide(double a, Money b) {
    return floatingDivide(a, b.toDouble());
}

bool above(Money value, double bound) {
    return value.compare(bound) > 0;
}

// The values, in the order the mode's table lists its result fields.
HedgeResults inResultOrder(HedgeMode mode, const std::array<Money, 4>& values) {
    HedgeResults results;
    const ModeFields& fields = modeFields(mode);
    for (std::size_t i = 0; i < values.size(); ++i) results.push(fields.results[i], values[i]);
    return results;
}

struct Rates {
    Money cB;  // fraction of back winnings (the one rate in a single market)
    Money cL;  // fraction of lay winnings
};

// What a back stake of 1 brings back when the back bet wins, after commission.
Money backReturnFactor(Money backPrice, Rates rates) {
    return kOne + (backPrice - kOne) * (kOne - rates.cB);
}

// A single market nets both bets, so commission is taken once, from a positive net only.
Money afterSingleMarketCommission(Money net, Rates rates) {
    return above(net, 0.0) ? net * (kOne - rates.cB) : net;
}

HedgeResults betBack(bool single, Rates rates, Money LP, Money LS, Money BP) {
    Money backStake, liability, total, net;
    if (!LS.isZero() && !LP.isZero()) {
        liability = (LP - kOne) * LS;
        if (!BP.isZero()) {
            if (single) {
                backStake = F(divide(LP * LS, BP));
                total = backStake + liability;
                net = afterSingleMarketCommission(LS - backStake, rates);
            } else {
                const Money K = backReturnFactor(BP, rates);
                backStake = F(divide(LS * (LP - rates.cL), K));
                total = backStake + liability;
                net = backStake * K - total;
            }
        }
    }
    return inResultOrder(kBetBack, {backStake, liability, total, net});
}

HedgeResults layBack(bool single, Rates rates, Money BP, Money BS, Money LP) {
    Money layStake, liability, total, net;
    if (!BP.isZero() && !BS.isZero() && !LP.isZero()) {
        if (single) {
            layStake = F(divide(BP * BS, LP));
            liability = (LP - kOne) * layStake;
            total = BS + liability;
            net = afterSingleMarketCommission(layStake - BS, rates);
        } else {
            const Money K = backReturnFactor(BP, rates);
            layStake = F(divide(BS * K, LP - rates.cL));
            liability = (LP - kOne) * layStake;
            total = BS + liability;
            net = layStake * (kOne - rates.cL) - BS;
        }
    }
    return inResultOrder(kLayBack, {layStake, liability, total, net});
}

HedgeResults totalFunds(bool single, Rates rates, Money BP, Money LP, Money TF) {
    Money backStake, layStake, liability, net;
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
            const Money K = backReturnFactor(BP, rates);
            // TF / (1 + K (LP - 1) / (LP - cL)), as reciprocals: each quotient rounds once, and
            // the total-funds rows of InnerValuesOfTheWorkedExamples hold the last digit.
            const double p = divide(1.0, K);
            const double q = divide(1.0, LP - kOne);
            const double r = (kOne - rates.cL).toDouble() * q + 1.0;
            const double s = floatingDivide(1.0, r) + p;
            const double t = floatingDivide(TF.toDouble(), s);
            backStake = F(divide(t, K));
            layStake = F(divide(backStake * K, LP - rates.cL));
            liability = (LP - kOne) * layStake;
            net = layStake * (kOne - rates.cL) - backStake;
        }
    }
    return inResultOrder(kTotalFunds, {backStake, layStake, liability, net});
}

}  // namespace

Money commissionFraction(Money ratePerCent) {
    return F(floatingDivide(ratePerCent.toDouble(), 100.0));
}

HedgeResults ComputeHedge(std::int16_t mode, bool singleMarket, Money backRate, Money layRate,
                          Money input1, Money input2, Money input3) {
    const Rates rates{commissionFraction(backRate), commissionFraction(layRate)};
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

}  // namespace quorvel
