#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/caption_text.h"
#include "core/field_role.h"
#include "core/hedge.h"
#include "tests/worked_examples.h"

namespace quorvel {
namespace {

const NumberFormat kFormat = NumberFormat::pointComma();

Money m(const char* text) {
    return Money::parse(text, kFormat);
}

// The results as the window would show them: "3 12.00, 4 18.00, ...".
std::string shown(const HedgeResults& results) {
    std::string text;
    for (const FieldValue& result : results) {
        if (!text.empty()) text += ", ";
        text += std::to_string(result.field) + " " + result.value.display(kFormat);
    }
    return text;
}

struct HedgeCase {
    const char* name;
    std::int16_t mode;
    bool single;
    const char* backRate;
    const char* layRate;
    std::array<const char*, 3> inputs;
    const char* expected;
};

class ComputeHedgeShows : public testing::TestWithParam<HedgeCase> {};

TEST_P(ComputeHedgeShows, TheExpectedFieldTexts) {
    const HedgeCase& c = GetParam();
    const HedgeResults results = ComputeHedge(c.mode, c.single, m(c.backRate), m(c.layRate),
                                              m(c.inputs[0]), m(c.inputs[1]), m(c.inputs[2]));
    EXPECT_EQ(shown(results), c.expected);
    const HedgeAttempt attempt = TryComputeHedge(c.mode, c.single, m(c.backRate), m(c.layRate),
                                                 m(c.inputs[0]), m(c.inputs[1]), m(c.inputs[2]));
    EXPECT_FALSE(attempt.failure);
    EXPECT_EQ(shown(attempt.results), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamplesAndEdges, ComputeHedgeShows,
    testing::Values(HedgeCase{"BetBackNoLayPrice",
                              1,
                              false,
                              "5",
                              "5",
                              {"0", "10", "3"},
                              "3 0.00, 4 0.00, 5 0.00, 6 0.00"},
                    HedgeCase{"BetBackNoLayStake",
                              1,
                              true,
                              "5",
                              "5",
                              {"2.5", "0", "3"},
                              "3 0.00, 4 0.00, 5 0.00, 6 0.00"},
                    HedgeCase{"LayBackNoLayPrice",
                              2,
                              false,
                              "5",
                              "5",
                              {"3", "10", "0"},
                              "3 0.00, 4 0.00, 5 0.00, 6 0.00"},
                    HedgeCase{"NegativeNetKeepsItsCommission",
                              2,
                              true,
                              "5",
                              "5",
                              {"2", "10", "2.5"},
                              "3 8.00, 4 12.00, 5 22.00, 6 -2.00"},
                    HedgeCase{"GroupedResults",
                              2,
                              true,
                              "5",
                              "5",
                              {"1000", "10000", "1.0001"},
                              "3 9,999,000.10, 4 999.90, 5 10,999.90, 6 9,489,550.10"},
                    HedgeCase{"SingleMarketIgnoresTheLayRate",
                              2,
                              true,
                              "5",
                              "0",
                              {"3", "10", "2.5"},
                              "3 12.00, 4 18.00, 5 28.00, 6 1.90"},
                    HedgeCase{"TotalFundsSingleAtPriceOne",
                              3,
                              true,
                              "5",
                              "5",
                              {"2.5", "1", "100"},
                              "1 100.00, 3 250.00, 4 0.00, 6 142.50"},
                    // Batch checks no ranges: funds whose count is beyond 2^53 need the
                    // nearest double of count / 10000, not double(count) / 10000.
                    HedgeCase{"HugeFundsTakeTheNearestDouble",
                              3,
                              true,
                              "5",
                              "5",
                              {"1.5", "1.5", "412870489014073.9496"},
                              "1 412,870,489,014,073.95, 3 412,870,489,014,073.96, "
                              "4 206,435,244,507,036.98, 6 0.01"}),
    [](const testing::TestParamInfo<HedgeCase>& param) { return std::string(param.param.name); });

// The four results as the window shows them, in the order ComputeHedge gives them.
class ComputeHedgeGives : public testing::TestWithParam<worked::Example> {};

TEST_P(ComputeHedgeGives, TheWorkedExamplesResults) {
    const worked::Example& e = GetParam();
    const HedgeResults results =
        ComputeHedge(static_cast<std::int16_t>(e.mode), e.single, m(e.backRate), m(e.layRate),
                     m(e.inputs[0]), m(e.inputs[1]), m(e.inputs[2]));
    std::string values;
    for (const FieldValue& result : results)
        values += (values.empty() ? "" : ", ") + result.value.display(kFormat);
    EXPECT_EQ(values, e.results);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ComputeHedgeGives, testing::ValuesIn(worked::kExamples),
                         [](const testing::TestParamInfo<worked::Example>& param) {
                             return std::string(param.param.name);
                         });

TEST(ComputeHedge, GivesEachModesResultsInItsFields) {
    const Money five = m("5");
    auto fields = [&](std::int16_t mode) {
        std::string text;
        for (const FieldValue& r : ComputeHedge(mode, true, five, five, m("3"), m("10"), m("2.5")))
            text += std::to_string(r.field);
        return text;
    };
    EXPECT_EQ(fields(1), "3456");
    EXPECT_EQ(fields(2), "3456");
    EXPECT_EQ(fields(3), "1346");
}

TEST(ComputeHedge, InnerValuesOfTheWorkedExamples) {
    // The four-decimal values before display, where rounding steps are easy to get wrong.
    auto counts = [](const HedgeResults& results) {
        std::vector<std::int64_t> out;
        for (const FieldValue& r : results) out.push_back(r.value.count());
        return out;
    };
    const Money five = m("5");
    EXPECT_EQ(counts(ComputeHedge(2, false, five, five, m("3"), m("10"), m("2.5"))),
              (std::vector<std::int64_t>{118367, 177550, 277550, 12449}));
    EXPECT_EQ(counts(ComputeHedge(1, false, five, five, m("2.5"), m("10"), m("3"))),
              (std::vector<std::int64_t>{84483, 150000, 234483, 10518}));
    EXPECT_EQ(counts(ComputeHedge(3, false, five, five, m("2.5"), m("1.8"), m("100"))),
              (std::vector<std::int64_t>{474255, 657182, 525746, 150068}));
    EXPECT_EQ(counts(ComputeHedge(3, true, five, five, m("2.2"), m("1.8"), m("100"))),
              (std::vector<std::int64_t>{1000000, 1222222, 977778, 211111}));
    // With no commission the two models differ only in the fourth decimal of the net.
    const Money zero;
    EXPECT_EQ(ComputeHedge(1, true, zero, zero, m("2.5"), m("10"), m("3"))[3].value.count(), 16667);
    EXPECT_EQ(ComputeHedge(1, false, zero, zero, m("2.5"), m("10"), m("3"))[3].value.count(),
              16666);
    // A four-decimal rate becomes a four-decimal fraction: 1.2345 % takes 0.0123.
    EXPECT_EQ(ComputeHedge(2, true, m("1.2345"), five, m("3"), m("10"), m("2.5"))[3].value,
              m("2") * (m("1") - m("0.0123")));
}

TEST(ComputeHedge, GivesNothingForAnotherMode) {
    for (std::int16_t mode : std::array<std::int16_t, 4>{0, 4, -1, 32767})
        EXPECT_TRUE(ComputeHedge(mode, true, m("5"), m("5"), m("3"), m("10"), m("2.5")).empty());
}

TEST(ComputeHedge, PassesDivisionFailuresOn) {
    auto failsWithDivision = [](auto call) {
        try {
            call();
        } catch (const MoneyError& error) {
            return error.kind() == MoneyErrorKind::Division;
        }
        return false;
    };
    EXPECT_TRUE(failsWithDivision(
        [] { return ComputeHedge(3, false, m("5"), m("5"), m("2.5"), m("1"), m("100")); }));
    EXPECT_TRUE(failsWithDivision(
        [] { return ComputeHedge(2, false, m("5"), m("5"), m("3"), m("10"), m("0.05")); }));
    EXPECT_EQ(TryComputeHedge(3, false, m("5"), m("5"), m("2.5"), m("1"), m("100")).failure,
              MoneyErrorKind::Division);
}

TEST(ComputeHedge, PassesOverflowFailuresOn) {
    EXPECT_THROW(ComputeHedge(2, true, m("5"), m("5"), Money::max(), m("10"), m("2")), MoneyError);
    const HedgeAttempt attempt =
        TryComputeHedge(2, true, m("5"), m("5"), Money::max(), m("10"), m("2"));
    EXPECT_EQ(attempt.failure, MoneyErrorKind::Overflow);
    EXPECT_TRUE(attempt.results.empty());
}

// Properties the formulas secure, on random inputs the window accepts. The tolerances are the
// rounding of the steps: each F() and each × is off by at most half a ten-thousandth.
class HedgeProperties : public testing::Test {
  protected:
    std::mt19937_64 rng{20261207};

    Money price() {
        // Prices an exchange quotes: two decimals, above 1.00, up to 1000.
        std::uniform_int_distribution<std::int64_t> cents(101, 100000);
        return Money::fromCount(cents(rng) * 100);
    }
    Money amount() {
        std::uniform_int_distribution<std::int64_t> cents(1, 1'000'000);
        return Money::fromCount(cents(rng) * 100);
    }
    Money rate() {
        std::uniform_int_distribution<std::int64_t> count(0, 50000);
        return Money::fromCount(count(rng));
    }
};

TEST_F(HedgeProperties, SeparateMarketsEvenTheTwoOutcomes) {
    const Money one = Money::fromWhole(1);
    for (int i = 0; i < 20000; ++i) {
        const std::int16_t mode = static_cast<std::int16_t>(1 + i % 3);
        const Money backRate = rate(), layRate = rate();
        const Money a = price(), b = mode == 3 ? price() : amount(),
                    c = mode == 3 ? amount() : price();
        const HedgeResults r = ComputeHedge(mode, false, backRate, layRate, a, b, c);
        const Money cB = Money::fromDouble(backRate.toDouble() / 100.0);
        const Money cL = Money::fromDouble(layRate.toDouble() / 100.0);
        Money backPrice, layPrice, backStake, layStake, liability;
        if (mode == 1) {
            layPrice = a, backPrice = c, backStake = r[0].value, layStake = b,
            liability = r[1].value;
        } else if (mode == 2) {
            backPrice = a, layPrice = c, backStake = b, layStake = r[0].value,
            liability = r[1].value;
        } else {
            backPrice = a, layPrice = b, backStake = r[0].value, layStake = r[1].value;
            liability = r[2].value;
        }
        const double win = (backStake * (backPrice - one) * (one - cB) - liability).toDouble();
        const double lose = (layStake * (one - cL) - backStake).toDouble();
        // Each rounding to ten-thousandths is scaled by what multiplies it later: K's by the back
        // stake, a stake's by its price.
        const double tolerance =
            0.0001 * (backStake + layStake + backPrice + layPrice).toDouble() + 0.001;
        ASSERT_NEAR(win, lose, tolerance) << "mode " << mode << " inputs " << a.display(kFormat)
                                          << " " << b.display(kFormat) << " " << c.display(kFormat);
        if (mode == 3) {
            ASSERT_NEAR((backStake + liability).toDouble(), c.toDouble(), tolerance);
        }
    }
}

TEST_F(HedgeProperties, SingleMarketBalancesBackAndLayTurnover) {
    for (int i = 0; i < 20000; ++i) {
        const std::int16_t mode = static_cast<std::int16_t>(1 + i % 3);
        const Money a = price(), b = mode == 3 ? price() : amount(),
                    c = mode == 3 ? amount() : price();
        const HedgeResults r = ComputeHedge(mode, true, rate(), rate(), a, b, c);
        Money backPrice, layPrice, backStake, layStake;
        if (mode == 1) {
            layPrice = a, layStake = b, backPrice = c, backStake = r[0].value;
        } else if (mode == 2) {
            backPrice = a, backStake = b, layPrice = c, layStake = r[0].value;
        } else {
            backPrice = a, layPrice = b, backStake = r[0].value, layStake = r[1].value;
        }
        const double tolerance = 0.0001 * (backPrice.toDouble() + layPrice.toDouble()) + 0.0002;
        ASSERT_NEAR((backStake * backPrice).toDouble(), (layStake * layPrice).toDouble(), tolerance)
            << "mode " << mode;
    }
}

TEST_F(HedgeProperties, DisplayThenParseGivesTheValueRoundedToCents) {
    const std::array<NumberFormat, 2> formats{NumberFormat::pointComma(), NumberFormat{",", "."}};
    std::uniform_int_distribution<std::int64_t> anyCount(std::numeric_limits<std::int64_t>::min(),
                                                         std::numeric_limits<std::int64_t>::max());
    std::uniform_int_distribution<std::int64_t> smallCount(-100'000'000'000, 100'000'000'000);
    for (int i = 0; i < 50000; ++i) {
        const Money value = Money::fromCount(i % 2 == 0 ? anyCount(rng) : smallCount(rng));
        const std::int64_t count = value.count();
        // Rounded to cents, half away from zero, in the unsigned domain to reach the extremes.
        const std::uint64_t magnitude =
            count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
        const std::uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
        const std::uint64_t roundedMagnitude = cents * 100;
        for (const NumberFormat& format : formats) {
            const std::int64_t back = Money::parse(value.display(format), format).count();
            const std::uint64_t backMagnitude =
                count < 0 ? 0 - static_cast<std::uint64_t>(back) : static_cast<std::uint64_t>(back);
            ASSERT_EQ(backMagnitude, roundedMagnitude) << count;
        }
    }
}

struct RangeCase {
    FieldRole role;
    const char* text;
    bool accepted;
};

class RoleRange : public testing::TestWithParam<RangeCase> {};

TEST_P(RoleRange, IsExactOnTheCount) {
    EXPECT_EQ(isAccepted(GetParam().role, m(GetParam().text)), GetParam().accepted)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    FieldRoles, RoleRange,
    testing::Values(
        RangeCase{FieldRole::Price, "0", true}, RangeCase{FieldRole::Price, "1", false},
        RangeCase{FieldRole::Price, "1.0001", false}, RangeCase{FieldRole::Price, "1.0049", false},
        RangeCase{FieldRole::Price, "1.005", true}, RangeCase{FieldRole::Price, "1.01", true},
        RangeCase{FieldRole::Price, "1000", true}, RangeCase{FieldRole::Price, "1000.0001", false},
        RangeCase{FieldRole::Price, "-2", false}, RangeCase{FieldRole::Amount, "0", true},
        RangeCase{FieldRole::Amount, "10000", true},
        RangeCase{FieldRole::Amount, "10000.0001", false},
        RangeCase{FieldRole::Amount, "-0.01", false}, RangeCase{FieldRole::Commission, "0", true},
        RangeCase{FieldRole::Commission, "5", true},
        RangeCase{FieldRole::Commission, "4.5678", true},
        RangeCase{FieldRole::Commission, "5.0001", false},
        RangeCase{FieldRole::Commission, "-1", false}, RangeCase{FieldRole::KeyResult, "1", false},
        RangeCase{FieldRole::OtherResult, "0", false}));

}  // namespace

// An access key as every caption marks it, "&&" standing for an ampersand.
static_assert(accessKeyOf("Back &Price") == 'p');
static_assert(accessKeyOf("Tom && Jerry") == 0);
static_assert(accessKeyOf("Tom && &Jerry") == 'j');
static_assert(accessKeyOf("Trailing &") == 0);

}  // namespace quorvel
