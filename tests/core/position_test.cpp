#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bet.h"
#include "core/money_ratio.h"
#include "core/position.h"
#include "core/price_ladder.h"

namespace quorvel {
namespace {

const NumberFormat kFormat = NumberFormat::pointComma();

Money m(const char* text) {
    return Money::parse(text, kFormat);
}

std::string shown(Money value) {
    return value.display(kFormat);
}

const char* const kReasons[] = {"even", "reached", "rounds to nothing", "not narrowing"};

// The report in one line: "before W/L, hedge lay S@P, after W/L, commission W/L, net W/L".
std::string summary(const PositionReport& r) {
    auto pair = [](const OutcomePair& p) { return shown(p.wins) + "/" + shown(p.loses); };
    std::string hedge = "none";
    if (r.noHedge) hedge += std::string(" (") + kReasons[static_cast<int>(*r.noHedge)] + ")";
    if (r.hedge)
        hedge = std::string(r.hedge->side == BetSide::Lay ? "lay " : "back ") +
                shown(r.hedge->stake) + "@" + shown(r.hedge->price) +
                (r.belowMinimum ? " below minimum" : "");
    return "before " + pair(r.before) + ", hedge " + hedge + ", after " + pair(r.after) +
           ", commission " + pair(r.commission) + ", net " + pair(r.net);
}

struct PositionCase {
    const char* name;
    std::vector<const char*> bets;
    const char* price;  // "" for none
    HedgeTarget target;
    const char* percent;
    const char* rate;
    const char* minStake;  // "" for none
    const char* expected;
    const char* minPayout = "";
};

class ComputePositionGives : public testing::TestWithParam<PositionCase> {};

TEST_P(ComputePositionGives, TheExpectedFigures) {
    const PositionCase& c = GetParam();
    PositionRequest request;
    for (const char* text : c.bets) request.bets.push_back(*parseBet(text, kFormat).bet);
    if (*c.price != '\0') request.price = m(c.price);
    request.target = c.target;
    request.percent = m(c.percent);
    request.rate = m(c.rate);
    if (*c.minStake != '\0') request.minStake = m(c.minStake);
    if (*c.minPayout != '\0') request.minPayout = m(c.minPayout);
    EXPECT_EQ(summary(ComputePosition(request)), c.expected);
}

constexpr HedgeTarget kEqual = HedgeTarget::Equal;

INSTANTIATE_TEST_SUITE_P(
    Positions, ComputePositionGives,
    testing::Values(
        PositionCase{"TwoBacksGreenAtRateZero",
                     {"back:10@3.00", "back:5@2.80"},
                     "2.50",
                     kEqual,
                     "100",
                     "0",
                     "",
                     "before 29.00/-15.00, hedge lay 17.60@2.50, after 2.60/2.60, commission "
                     "0.00/0.00, net 2.60/2.60"},
        PositionCase{"TwoBacksGreenAtFivePerCent",
                     {"back:10@3.00", "back:5@2.80"},
                     "2.50",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 29.00/-15.00, hedge lay 17.60@2.50, after 2.60/2.60, commission "
                     "0.13/0.13, net 2.47/2.47"},
        // From the exact sums: with the average rounded to 2.03 first it would be 18.16.
        PositionCase{"ExactSumsNotTheRoundedAverage",
                     {"back:10@2.02", "back:7@2.04"},
                     "1.90",
                     kEqual,
                     "100",
                     "0",
                     "",
                     "before 17.48/-17.00, hedge lay 18.15@1.90, after 1.15/1.15, commission "
                     "0.00/0.00, net 1.15/1.15"},
        // Wins 40 - 7.27 x 4.5 = 7.285 exactly, shown to the cent.
        PositionCase{"FreeBetStakeNotReturned",
                     {"free:10@5.00"},
                     "5.50",
                     kEqual,
                     "100",
                     "0",
                     "",
                     "before 40.00/0.00, hedge lay 7.27@5.50, after 7.29/7.27, commission "
                     "0.00/0.00, net 7.29/7.27"},
        PositionCase{"ShortPositionIsBackedBack",
                     {"lay:10@2.00"},
                     "3.00",
                     kEqual,
                     "100",
                     "0",
                     "",
                     "before -10.00/10.00, hedge back 6.67@3.00, after 3.34/3.33, commission "
                     "0.00/0.00, net 3.34/3.33"},
        PositionCase{"AlreadyGreenNeedsNoHedge",
                     {"back:10@2.00", "lay:10@2.00"},
                     "2.00",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 0.00/0.00, hedge none (even), after 0.00/0.00, commission 0.00/0.00, "
                     "net 0.00/0.00"},
        PositionCase{"HalfOfTheGreenStake",
                     {"back:10@3.00", "back:5@2.80"},
                     "2.50",
                     HedgeTarget::Percent,
                     "50",
                     "0",
                     "",
                     "before 29.00/-15.00, hedge lay 8.80@2.50, after 15.80/-6.20, commission "
                     "0.00/0.00, net 15.80/-6.20"},
        // 29 / 1.5 = 19.333...: rounded down, so that winning still loses nothing.
        PositionCase{"NothingLostIfItWins",
                     {"back:10@3.00", "back:5@2.80"},
                     "2.50",
                     HedgeTarget::WinsZero,
                     "100",
                     "0",
                     "",
                     "before 29.00/-15.00, hedge lay 19.33@2.50, after 0.01/4.33, commission "
                     "0.00/0.00, net 0.01/4.33"},
        PositionCase{"NothingLostIfItLoses",
                     {"back:10@3.00", "back:5@2.80"},
                     "2.50",
                     HedgeTarget::LosesZero,
                     "100",
                     "0",
                     "",
                     "before 29.00/-15.00, hedge lay 15.00@2.50, after 6.50/0.00, commission "
                     "0.00/0.00, net 6.50/0.00"},
        PositionCase{"BelowTheMinimumStakeIsNotPlaced",
                     {"back:1@3.00"},
                     "2.50",
                     kEqual,
                     "100",
                     "5",
                     "2",
                     "before 2.00/-1.00, hedge lay 1.20@2.50 below minimum, after 2.00/-1.00, "
                     "commission 0.10/0.00, net 1.90/-1.00"},
        PositionCase{"WithoutAPriceThePositionOnly",
                     {"back:10@2.00", "lay:4@2.50"},
                     "",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 4.00/-6.00, hedge none, after 4.00/-6.00, commission 0.20/0.00, net "
                     "3.80/-6.00"},
        // Bookmakers pay no commission: 40 - 4.2 x = 0.95 x levels at 7.767 (7.366 / 7.3815).
        PositionCase{"FreeBetLaidAtTheExchangePaysCommissionOnTheLayOnly",
                     {"free:10@5.00"},
                     "5.20",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 40.00/0.00, hedge lay 7.77@5.20, after 7.37/7.77, commission "
                     "0.00/0.39, net 7.37/7.38"},
        PositionCase{"QualifyingBetAtABookmaker",
                     {"book:10@3.00"},
                     "3.10",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 20.00/-10.00, hedge lay 9.84@3.10, after -0.66/-0.16, commission "
                     "0.00/0.49, net -0.66/-0.65"},
        // Stake returned: 50 - 4.2 x = 0.95 x at 9.709.
        PositionCase{"FreeBetStakeReturned",
                     {"free-sr:10@5.00"},
                     "5.20",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 50.00/0.00, hedge lay 9.71@5.20, after 9.22/9.71, commission "
                     "0.00/0.49, net 9.22/9.22"},
        // The qualifying bet and its free bet laid together; the exchange's part of "wins"
        // turns from a gain of 10 to a loss: 70 - 3 x = -10 + 0.95 (x - 5) at 21.4557.
        PositionCase{"QualifyingAndFreeBetTogether",
                     {"book:10@3.00", "free:10@5.00", "back:5@3.00"},
                     "4.00",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 70.00/-15.00, hedge lay 21.46@4.00, after 5.62/6.46, commission "
                     "0.00/0.82, net 5.62/5.64"},
        PositionCase{"UnderTheMinimumStakeButOverTheMinimumPayout",
                     {"back:2@10"},
                     "60",
                     kEqual,
                     "100",
                     "5",
                     "2",
                     "before 18.00/-2.00, hedge lay 0.33@60.00, after -1.47/-1.67, commission "
                     "0.00/0.00, net -1.47/-1.67",
                     "10"},
        PositionCase{"StakeRoundsToNothing",
                     {"back:0.01@1.50"},
                     "1000",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 0.01/-0.01, hedge none (rounds to nothing), after 0.01/-0.01, "
                     "commission 0.00/0.00, net 0.01/-0.01"},
        PositionCase{"WinsAlreadyLosesNothing",
                     {"back:10@3", "lay:20@2"},
                     "4",
                     HedgeTarget::WinsZero,
                     "100",
                     "5",
                     "",
                     "before 0.00/10.00, hedge none (reached), after 0.00/10.00, commission "
                     "0.00/0.50, net 0.00/9.50"},
        // Back 0.01 would only turn 1.89 / 1.91 into 1.92 / 1.90.
        PositionCase{"HalfACentSpreadIsNotReversed",
                     {"back:10@3", "lay:12.01@2.5"},
                     "4",
                     kEqual,
                     "100",
                     "5",
                     "",
                     "before 1.99/2.01, hedge none (not narrowing), after 1.99/2.01, commission "
                     "0.10/0.10, net 1.89/1.91"}),
    [](const testing::TestParamInfo<PositionCase>& param) {
        return std::string(param.param.name);
    });

TEST(ComputePosition, TotalsEachKindWithItsAveragePrice) {
    PositionRequest request;
    for (const char* text : {"back:10@2.02", "back:7@2.04", "free:5@4.00", "lay:3@1.50"})
        request.bets.push_back(*parseBet(text, kFormat).bet);
    const PositionReport r = ComputePosition(request);
    EXPECT_EQ(shown(r.of(BetKind::Back).stake), "17.00");        // the free bet is the bookmaker's
    EXPECT_EQ(shown(r.of(BetKind::Back).averagePrice), "2.03");  // 34.48 / 17 = 2.0282...
    EXPECT_EQ(shown(r.of(BetKind::Lay).averagePrice), "1.50");
    EXPECT_EQ(shown(r.of(BetKind::Free).stake), "5.00");
    EXPECT_EQ(shown(r.bookmaker.wins), "15.00");
    EXPECT_EQ(shown(r.exchange.wins), "15.98");  // 10.20 + 7.28 - 1.50
}

// Off the ladder: one row after each change of step, with the nearest prices either side.
struct LadderCase {
    const char* price;
    const char* below;  // "" where there is none
    const char* above;
};

class StandardLadder : public testing::TestWithParam<LadderCase> {};

TEST_P(StandardLadder, NamesTheNearestPricesOfAnOffLadderPrice) {
    const LadderCase& c = GetParam();
    const PriceLadder& ladder = standardLadder();
    EXPECT_FALSE(ladder.contains(m(c.price)));
    const auto n = ladder.neighbours(m(c.price));
    EXPECT_EQ(n.below ? shown(*n.below) : "", c.below) << c.price;
    EXPECT_EQ(n.above ? shown(*n.above) : "", c.above) << c.price;
    EXPECT_TRUE(!n.below || ladder.contains(*n.below));
    EXPECT_TRUE(!n.above || ladder.contains(*n.above));
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndStepChanges, StandardLadder,
    testing::Values(LadderCase{"1.00", "", "1.01"}, LadderCase{"1.005", "", "1.01"},
                    LadderCase{"1.015", "1.01", "1.02"}, LadderCase{"2.01", "2.00", "2.02"},
                    LadderCase{"3.01", "3.00", "3.05"}, LadderCase{"4.05", "4.00", "4.10"},
                    LadderCase{"6.1", "6.00", "6.20"}, LadderCase{"10.2", "10.00", "10.50"},
                    LadderCase{"20.5", "20.00", "21.00"}, LadderCase{"31", "30.00", "32.00"},
                    LadderCase{"51", "50.00", "55.00"}, LadderCase{"105", "100.00", "110.00"},
                    LadderCase{"995", "990.00", "1,000.00"},
                    LadderCase{"1000.01", "1,000.00", ""}));

TEST(StandardLadder, HoldsItsEndsAndTheLastPriceOfEachStep) {
    const PriceLadder& ladder = standardLadder();
    EXPECT_EQ(ladder.prices().size(), 350u);
    for (const char* price :
         {"1.01", "1.99", "2.00", "2.98", "3.00", "3.95", "4.00", "5.90", "6.00", "9.80", "10",
          "19.5", "20",   "29",   "30",   "48",   "50",   "95",   "100",  "990",  "1000"})
        EXPECT_TRUE(ladder.contains(m(price))) << price;
}

struct BetTextCase {
    const char* text;
    std::optional<Bet> bet;
    BetTextError error;
};

class ParseBet : public testing::TestWithParam<BetTextCase> {};

TEST_P(ParseBet, ReadsSideStakeAndPrice) {
    const ParsedBet parsed = parseBet(GetParam().text, kFormat);
    EXPECT_EQ(parsed.bet, GetParam().bet) << GetParam().text;
    EXPECT_TRUE(GetParam().bet || parsed.error == GetParam().error) << GetParam().text;
}

const Money kTen = Money::fromWhole(10);

INSTANTIATE_TEST_SUITE_P(
    BetTexts, ParseBet,
    testing::Values(
        BetTextCase{"back:10@3.00", Bet{BetKind::Back, Money::fromWhole(3), kTen}, {}},
        BetTextCase{"lay:12.5@2.5",
                    Bet{BetKind::Lay, Money::fromCount(25000), Money::fromCount(125000)},
                    {}},
        BetTextCase{"free:10@5", Bet{BetKind::Free, Money::fromWhole(5), kTen}, {}},
        BetTextCase{"free-sr:10@5", Bet{BetKind::FreeReturned, Money::fromWhole(5), kTen}, {}},
        BetTextCase{"book:10@3.33", Bet{BetKind::Book, Money::fromCount(33300), kTen}, {}},
        BetTextCase{"free-lay:10@5", std::nullopt, BetTextError::Shape},
        BetTextCase{"Back:10@3", std::nullopt, BetTextError::Shape},
        BetTextCase{"back:10", std::nullopt, BetTextError::Shape},
        BetTextCase{"back@3:10", std::nullopt, BetTextError::Shape},
        BetTextCase{"back:10@3@4", std::nullopt, BetTextError::Shape},
        BetTextCase{"back:ten@3", std::nullopt, BetTextError::Stake},
        BetTextCase{"back:10@", std::nullopt, BetTextError::Price}));

TEST(MulDivRounded, RoundsOnceToTheUnitAsAsked) {
    const Money one = Money::fromWhole(1);
    EXPECT_EQ(shown(mulDivRounded(m("0.125"), one, one, kCent)), "0.13");
    EXPECT_EQ(shown(mulDivRounded(m("-0.125"), one, one, kCent)), "-0.13");
    EXPECT_EQ(shown(mulDivRounded(m("10"), one, m("3"), kCent, Rounding::Down)), "3.33");
    EXPECT_EQ(shown(mulDivRounded(m("-10"), one, m("3"), kCent, Rounding::Down)), "-3.34");
    EXPECT_EQ(shown(mulDivRounded(m("10"), one, m("3"), kCent, Rounding::Up)), "3.34");
    EXPECT_THROW(mulDivRounded(one, one, Money(), kCent), MoneyError);
    EXPECT_THROW(mulDivRounded(Money::max(), Money::max(), one, kCent), MoneyError);
}

// Halves away from zero, floors and ceilings below zero, and a remainder whose double would
// not fit in 128 bits.
constexpr Int128 kHuge = (Int128(1) << 126) + 1;
static_assert(divideRounded(7, 2, Rounding::Nearest) == 4);
static_assert(divideRounded(-7, 2, Rounding::Nearest) == -4);
static_assert(divideRounded(-5, 3, Rounding::Nearest) == -2);
static_assert(divideRounded(-7, 2, Rounding::Down) == -4);
static_assert(divideRounded(-7, 2, Rounding::Up) == -3);
static_assert(divideRounded(7, 2, Rounding::Up) == 4);
static_assert(divideRounded(kHuge - 1, kHuge, Rounding::Nearest) == 1);
static_assert(divideRounded(kHuge / 2, kHuge, Rounding::Nearest) == 0);

}  // namespace
}  // namespace quorvel
