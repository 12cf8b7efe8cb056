#include "core/hedge_stake.h"
#include "core/int128.h"

#include <limits>

namespace quorvel {

namespace {

// 100 per cent as a count of ten-thousandths: a rate r keeps (kWhole − r) / kWhole of a gain.
constexpr Int128 kWhole = 100 * Money::kScale;

Int128 times(Int128 a, Int128 b) {
    Int128 product = 0;
    if (__builtin_mul_overflow(a, b, &product)) throw MoneyError(MoneyErrorKind::Overflow);
    return product;
}

Int128 plus(Int128 a, Int128 b) {
    Int128 sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw MoneyError(MoneyErrorKind::Overflow);
    return sum;
}

// A stake as num ÷ den ten-thousandths, den above 0.
struct Fraction {
    Int128 num;
    Int128 den;
};

// The counts of the setting. With S the stake in ten-thousandths (a lay positive), the exchange
// part is ew − S × p1 ÷ scale if the selection wins and el + S if it loses, and each outcome
// nets bookmaker + K ÷ kWhole of the exchange part, K being kWhole − rate on a gain and kWhole
// on a loss.
struct Line {
    Int128 bw, bl, ew, el, p1, kept;

    explicit Line(const HedgeSetting& s)
        : bw(s.bookmaker.wins.count()),
          bl(s.bookmaker.loses.count()),
          ew(s.exchange.wins.count()),
          el(s.exchange.loses.count()),
          p1((s.price - Money::fromWhole(1)).count()),
          kept(kWhole - s.rate.count()) {}

    Int128 factor(bool gain) const { return gain ? kept : kWhole; }

    // Whether the exchange part at the stake has the sign that the factor assumed.
    bool winsAs(bool gain, const Fraction& s) const {
        const Int128 part = plus(times(times(ew, s.den), Money::kScale), -times(s.num, p1));
        return gain ? part >= 0 : part <= 0;
    }
    bool losesAs(bool gain, const Fraction& s) const {
        const Int128 part = plus(times(el, s.den), s.num);
        return gain ? part >= 0 : part <= 0;
    }

    // Both nets equal: kWhole (bw − bl) + Kw ew − Kl el = S (Kw p1 ÷ scale + Kl).
    Fraction level() const {
        for (bool winsGain : {true, false})
            for (bool losesGain : {true, false}) {
                const Int128 kw = factor(winsGain), kl = factor(losesGain);
                const Fraction s{
                    times(plus(plus(times(kWhole, bw - bl), times(kw, ew)), -times(kl, el)),
                          Money::kScale),
                    plus(times(kw, p1), times(kl, Money::kScale))};
                if (winsAs(winsGain, s) && losesAs(losesGain, s)) return s;
            }
        throw MoneyError(MoneyErrorKind::Division);  // a price of 1 levels nothing
    }
    // The net if it wins at nothing: kWhole bw + Kw (ew − S p1 ÷ scale) = 0.
    Fraction winsZero() const {
        for (bool gain : {true, false}) {
            const Int128 kw = factor(gain);
            const Fraction s{times(plus(times(kWhole, bw), times(kw, ew)), Money::kScale),
                             times(kw, p1)};
            if (s.den > 0 && winsAs(gain, s)) return s;
        }
        throw MoneyError(MoneyErrorKind::Division);
    }
    // The net if it loses at nothing: kWhole bl + Kl (el + S) = 0.
    Fraction losesZero() const {
        for (bool gain : {true, false}) {
            const Int128 kl = factor(gain);
            const Fraction s{-plus(times(kWhole, bl), times(kl, el)), kl};
            if (losesAs(gain, s)) return s;
        }
        throw MoneyError(MoneyErrorKind::Division);
    }
};

// num ÷ den ten-thousandths in whole cents, rounded once.
Money inCents(const Fraction& s, Rounding rounding) {
    const Int128 den = times(s.den, 100);
    const Int128 cents = divideRounded(s.num, den, rounding);
    const Int128 count = times(cents, 100);
    if (count > std::numeric_limits<std::int64_t>::max() ||
        count < std::numeric_limits<std::int64_t>::min())
        throw MoneyError(MoneyErrorKind::Overflow);
    return Money::fromCount(static_cast<std::int64_t>(count));
}

}  // namespace

SolvedStake hedgeStake(const HedgeSetting& setting, HedgeTarget target, Money percent,
                       Rounding rounding) {
    if (setting.rate.compare(0.0) < 0 || setting.rate >= Money::fromWhole(100))
        throw MoneyError(MoneyErrorKind::Overflow);
    const Line line(setting);
    Fraction s{0, 1};
    switch (target) {
        case HedgeTarget::Equal:
            s = line.level();
            break;
        case HedgeTarget::Percent:
            s = line.level();
            s = {times(s.num, percent.count()), times(s.den, kWhole)};
            break;
        case HedgeTarget::WinsZero:
            s = line.winsZero();
            break;
        case HedgeTarget::LosesZero:
            s = line.losesZero();
            break;
    }
    return {inCents(s, rounding), s.num == 0};
}

}  // namespace quorvel
