#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/money.h"

namespace quorvel {
namespace {

const NumberFormat kPointComma = NumberFormat::pointComma();
const NumberFormat kCommaPoint{",", "."};

struct ParseCase {
    std::string text;
    std::int64_t count;
};

class ParseAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseAccepts, GivesTheValueRoundedHalfEven) {
    EXPECT_EQ(Money::parse(GetParam().text, kPointComma).count(), GetParam().count)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Money, ParseAccepts,
    testing::Values(ParseCase{"12", 120000}, ParseCase{" 7.5 ", 75000},
                    ParseCase{"1,234.50", 12345000}, ParseCase{"1,5", 150000},
                    ParseCase{"-3", -30000}, ParseCase{"2.00015", 20002},
                    ParseCase{"2.00005", 20000}, ParseCase{"2.000050000000001", 20001},
                    ParseCase{"1E2", 1000000}, ParseCase{"1e+2", 1000000}, ParseCase{"12.", 120000},
                    ParseCase{".5", 5000}, ParseCase{"+.5", 5000}, ParseCase{"0.00", 0},
                    ParseCase{"0", 0}, ParseCase{"-0", 0}, ParseCase{"000123.4500", 1234500},
                    ParseCase{"0.05", 500}, ParseCase{"10.05", 100500}, ParseCase{"1,2,3", 1230000},
                    ParseCase{"1.00001", 10000}, ParseCase{"1000.00004", 10000000},
                    ParseCase{"0.00005", 0}, ParseCase{"0.00015", 2}, ParseCase{"0.000051", 1},
                    ParseCase{"-0.00005", 0}, ParseCase{"-0.00015", -2}, ParseCase{"25e-1", 25000},
                    ParseCase{"1e-999999999", 0}, ParseCase{"0e999999999", 0},
                    ParseCase{"0.5e-4", 0}, ParseCase{"1.5e-4", 2},
                    ParseCase{"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
                    ParseCase{"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
                    ParseCase{"922,337,203,685,477.58", 9223372036854775800},
                    // Digits far beyond those that count still decide a tie.
                    ParseCase{"0.00005" + std::string(5000, '0') + "1", 1},
                    ParseCase{std::string(3000, '0') + "42", 420000}));

struct RefusalCase {
    std::string text;
    MoneyErrorKind kind;
};

class ParseRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(ParseRefuses, WithItsKind) {
    try {
        Money::parse(GetParam().text, kPointComma);
        FAIL() << "accepted " << GetParam().text;
    } catch (const MoneyError& error) {
        EXPECT_EQ(error.kind(), GetParam().kind) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Money, ParseRefuses,
    testing::Values(
        RefusalCase{"", MoneyErrorKind::Parse}, RefusalCase{"   ", MoneyErrorKind::Parse},
        RefusalCase{"-", MoneyErrorKind::Parse}, RefusalCase{"+", MoneyErrorKind::Parse},
        RefusalCase{"abc", MoneyErrorKind::Parse}, RefusalCase{"1.2.3", MoneyErrorKind::Parse},
        RefusalCase{".", MoneyErrorKind::Parse}, RefusalCase{"1E", MoneyErrorKind::Parse},
        RefusalCase{"1e+", MoneyErrorKind::Parse}, RefusalCase{"--1", MoneyErrorKind::Parse},
        RefusalCase{"+-1", MoneyErrorKind::Parse}, RefusalCase{",5", MoneyErrorKind::Parse},
        RefusalCase{"5,", MoneyErrorKind::Parse}, RefusalCase{"1,,000", MoneyErrorKind::Parse},
        RefusalCase{"1,.5", MoneyErrorKind::Parse}, RefusalCase{"1.5,0", MoneyErrorKind::Parse},
        RefusalCase{"1 2", MoneyErrorKind::Parse}, RefusalCase{"\t1", MoneyErrorKind::Parse},
        RefusalCase{"1-", MoneyErrorKind::Parse}, RefusalCase{"(1)", MoneyErrorKind::Parse},
        RefusalCase{"$1", MoneyErrorKind::Parse}, RefusalCase{"0x10", MoneyErrorKind::Parse},
        RefusalCase{"inf", MoneyErrorKind::Parse}, RefusalCase{"nan", MoneyErrorKind::Parse},
        RefusalCase{std::string("1\0", 2), MoneyErrorKind::Parse},
        RefusalCase{"922337203685477.5808", MoneyErrorKind::Overflow},
        RefusalCase{"-922337203685477.5809", MoneyErrorKind::Overflow},
        RefusalCase{"1E999999999", MoneyErrorKind::Overflow},
        RefusalCase{"1e99999999999999999999999", MoneyErrorKind::Overflow},
        RefusalCase{"1E15", MoneyErrorKind::Overflow},
        RefusalCase{std::string(4000, '9'), MoneyErrorKind::Overflow},
        RefusalCase{"999999999999999.99995", MoneyErrorKind::Overflow}));

TEST(MoneyParse, ReadsTheLocalesSeparators) {
    EXPECT_EQ(Money::parse("2,5", kCommaPoint).count(), 25000);
    EXPECT_EQ(Money::parse("2.5", kCommaPoint).count(), 250000);
    EXPECT_EQ(Money::parse("1.234,50", kCommaPoint).count(), 12345000);
    const NumberFormat spaceGrouped{",", "\u202f"};  // narrow no-break space, as in fr_FR
    EXPECT_EQ(Money::parse("1\u202f234,5", spaceGrouped).count(), 12345000);
    const NumberFormat blankGrouped{".", " "};
    EXPECT_EQ(Money::parse(" 1 234.5 ", blankGrouped).count(), 12345000);
    EXPECT_THROW(Money::parse("1  234", blankGrouped), MoneyError);
}

struct DisplayCase {
    std::int64_t count;
    std::string text;
};

class Display : public testing::TestWithParam<DisplayCase> {};

TEST_P(Display, RoundsHalfAwayAndGroupsInThrees) {
    EXPECT_EQ(Money::fromCount(GetParam().count).display(kPointComma), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Money, Display,
    testing::Values(DisplayCase{0, "0.00"}, DisplayCase{50000, "5.00"}, DisplayCase{5000, "0.50"},
                    DisplayCase{12345000, "1,234.50"}, DisplayCase{99990001000, "9,999,000.10"},
                    DisplayCase{-32000, "-3.20"}, DisplayCase{50, "0.01"}, DisplayCase{49, "0.00"},
                    DisplayCase{177550, "17.76"}, DisplayCase{-10050, "-1.01"},
                    DisplayCase{94895500950, "9,489,550.10"}, DisplayCase{-40, "0.00"},
                    DisplayCase{-50, "-0.01"}, DisplayCase{9999950, "1,000.00"},
                    DisplayCase{1000000, "100.00"}, DisplayCase{10000000, "1,000.00"},
                    DisplayCase{std::numeric_limits<std::int64_t>::max(), "922,337,203,685,477.58"},
                    DisplayCase{std::numeric_limits<std::int64_t>::min(),
                                "-922,337,203,685,477.58"}));

TEST(MoneyDisplay, UsesTheLocalesSeparators) {
    EXPECT_EQ(Money::fromCount(12345000).display(kCommaPoint), "1.234,50");
    EXPECT_EQ(Money::fromCount(-12345678900).display(NumberFormat{",", "\u202f"}),
              "-1\u202f234\u202f567,89");
}

struct ProductCase {
    std::int64_t a, b, product;
};

class Multiply : public testing::TestWithParam<ProductCase> {};

TEST_P(Multiply, RoundsTheExactProductHalfEven) {
    const auto [a, b, product] = GetParam();
    EXPECT_EQ((Money::fromCount(a) * Money::fromCount(b)).count(), product);
    EXPECT_EQ((Money::fromCount(b) * Money::fromCount(a)).count(), product);
}

INSTANTIATE_TEST_SUITE_P(
    Money, Multiply,
    testing::Values(ProductCase{25000, 100000, 250000}, ProductCase{16667, 9500, 15834},
                    ProductCase{15000, 118367, 177550}, ProductCase{15000, 118369, 177554},
                    ProductCase{-15000, 118367, -177550}, ProductCase{-15000, 118369, -177554},
                    ProductCase{5, 5000, 2}, ProductCase{15, 5000, 8}, ProductCase{-5, 5000, -2},
                    // counts whose product needs more than 64 bits
                    ProductCase{3'000'000'000'000, 3'000'000'000, 900'000'000'000'000'000},
                    ProductCase{std::numeric_limits<std::int64_t>::min(), 10000,
                                std::numeric_limits<std::int64_t>::min()}));

TEST(MoneyArithmetic, OverflowFailsAndLeavesOperandsAlone) {
    const Money one = Money::fromCount(1);
    auto overflows = [](auto operation) {
        try {
            operation();
        } catch (const MoneyError& error) {
            return error.kind() == MoneyErrorKind::Overflow;
        }
        return false;
    };
    Money largest = Money::max();
    EXPECT_TRUE(overflows([&] { return largest + one; }));
    EXPECT_EQ(largest, Money::max());
    EXPECT_TRUE(overflows([&] { return Money::min() - one; }));
    EXPECT_TRUE(overflows([&] { return Money::max() * Money::fromWhole(2); }));
    EXPECT_TRUE(overflows([&] { return Money::min() * Money::fromWhole(-1); }));
    EXPECT_TRUE(overflows([] { return Money::fromWhole(922'337'203'685'478); }));
    EXPECT_EQ((Money::max() - one + one), Money::max());
    EXPECT_EQ(Money::fromWhole(-7).count(), -70000);
}

struct FloatingCase {
    double x;
    std::int64_t count;
};

class FromDouble : public testing::TestWithParam<FloatingCase> {};

TEST_P(FromDouble, RoundsTheScaledDoubleHalfEven) {
    EXPECT_EQ(Money::fromDouble(GetParam().x).count(), GetParam().count) << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(
    Money, FromDouble,
    testing::Values(FloatingCase{29.0 / 2.45, 118367}, FloatingCase{0.03125, 312},
                    FloatingCase{0.09375, 938}, FloatingCase{1.2345 / 100.0, 123},
                    FloatingCase{-0.03125, -312}, FloatingCase{-0.09375, -938},
                    FloatingCase{0.0, 0}, FloatingCase{-0.0, 0}, FloatingCase{2.5, 25000},
                    FloatingCase{1e14, 1'000'000'000'000'000'000},
                    FloatingCase{-922337203685477.5808, std::numeric_limits<std::int64_t>::min()}));

TEST(MoneyFromDouble, RefusesWhatHasNoCount) {
    // 922337203685477.625 * 10000 rounds to 2^63 exactly: one past the largest count.
    for (double x :
         {1.0e20, -1.0e20, 922337203685477.625, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::max()}) {
        try {
            Money::fromDouble(x);
            ADD_FAILURE() << "accepted " << x;
        } catch (const MoneyError& error) {
            EXPECT_EQ(error.kind(), MoneyErrorKind::Overflow) << x;
        }
    }
}

TEST(MoneyToDouble, IsTheNearestDouble) {
    EXPECT_EQ(Money::fromCount(25000).toDouble(), 2.5);
    EXPECT_EQ(Money::fromCount(123).toDouble(), 0.0123);
    EXPECT_EQ(Money::fromCount(-9500).toDouble(), -0.95);
    // Beyond 2^53 the count itself is no double; double(count) / 10000 would round twice.
    EXPECT_EQ(Money::fromCount(9007199254740995).toDouble(), 900719925474.0995);
    EXPECT_EQ(Money::fromCount(-9706059103134751).toDouble(), -970605910313.4751);
    EXPECT_EQ(Money::max().toDouble(), 922337203685477.5807);
    EXPECT_EQ(Money::min().toDouble(), -922337203685477.5808);
}

TEST(MoneyCompare, WithDoubleConstants) {
    EXPECT_EQ(Money::parse("-0", kPointComma).compare(0.0), std::partial_ordering::equivalent);
    EXPECT_EQ(Money::fromCount(1).compare(0.0), std::partial_ordering::greater);
    EXPECT_EQ(Money::fromCount(-1).compare(0.0), std::partial_ordering::less);
    EXPECT_EQ(Money::fromWhole(2).compare(2.0), std::partial_ordering::equivalent);
    EXPECT_EQ(Money::fromCount(20001).compare(2.0), std::partial_ordering::greater);
    EXPECT_EQ(Money::fromCount(19999).compare(2.0), std::partial_ordering::less);
    EXPECT_EQ(Money::fromCount(0).compare(0.00001), std::partial_ordering::less);
    EXPECT_EQ(Money::max().compare(1e300), std::partial_ordering::less);
    EXPECT_EQ(Money::min().compare(-1e300), std::partial_ordering::greater);
    EXPECT_EQ(Money().compare(std::nan("")), std::partial_ordering::unordered);
}

TEST(FloatingDivide, RefusesWhatHasNoFiniteQuotient) {
    EXPECT_EQ(floatingDivide(29.0, 2.45), 29.0 / 2.45);
    for (auto [a, b] : {std::pair{1.0, 0.0}, {0.0, 0.0}, {1.0, -0.0}, {1e308, 1e-308}}) {
        try {
            floatingDivide(a, b);
            ADD_FAILURE() << a << " / " << b;
        } catch (const MoneyError& error) {
            EXPECT_EQ(error.kind(), MoneyErrorKind::Division);
        }
    }
}

TEST(NumberFormat, RefusesSeparatorsThatCannotBeRead) {
    EXPECT_THROW(NumberFormat("", ","), std::invalid_argument);
    EXPECT_THROW(NumberFormat(".", "."), std::invalid_argument);
    EXPECT_THROW(NumberFormat("1", ","), std::invalid_argument);
    EXPECT_THROW(NumberFormat(".", "-"), std::invalid_argument);
    EXPECT_THROW(NumberFormat(" ", ","), std::invalid_argument);
    EXPECT_THROW(NumberFormat(".", "e"), std::invalid_argument);
    EXPECT_NO_THROW(NumberFormat(".", ""));
    EXPECT_EQ(Money::fromCount(12345000).display(NumberFormat(".", "")), "1234.50");
}

}  // namespace
}  // namespace quorvel
