#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/accumulator.h"
#include "core/dutch.h"
#include "core/each_way.h"
#include "core/market.h"
#include "core/money_ratio.h"
#include "core/non_runner.h"
#include "core/price_ladder.h"
#include "core/result.h"
#include "core/settlement.h"

namespace quorvel {
namespace {

const NumberFormat kFormat = NumberFormat::pointComma();

Money m(const char* text) {
    return Money::parse(text, kFormat);
}

std::string shown(Money value) {
    return value.display(kFormat);
}

struct RunnerText {
    const char* name;
    std::vector<const char*> bets;
    const char* back;  // "" for none
    const char* lay;
};

// One line a runner, "A 40.00 lay 11.27@3.55 1.26/0.06/1.20", then the books and the total
// staked, or the problem.
std::string summary(const std::vector<RunnerText>& runners, const MarketReport& r, Green green) {
    std::string text;
    const char* problems[] = {"", "arbitrage", "missing price", "certain"};
    for (std::size_t i = 0; i < runners.size(); ++i) {
        const RunnerOutcome& o = r.runners[i];
        text += std::string(runners[i].name) + " " + shown(o.ifWins);
        if (o.hedge)
            text += std::string(o.hedge->side == BetSide::Lay ? " lay " : " back ") +
                    shown(o.hedge->stake) + "@" + shown(o.hedge->price);
        text += " " + shown(o.after) + "/" + shown(o.commission) + "/" + shown(o.net) + "; ";
    }
    text += "book " + (r.backBook ? shown(*r.backBook) : "-") + "/" +
            (r.layBook ? shown(*r.layBook) : "-") + ", staked " + shown(r.staked);
    if (r.problem != GreenProblem::None)
        text += std::string(", ") + problems[static_cast<int>(r.problem)] + " " +
                runners[r.problemRunner].name;
    if (r.problem == GreenProblem::None && green != Green::None)
        text += ", locks in " + r.lowest.displayFine(kFormat);
    return text;
}

struct MarketCase {
    const char* name;
    std::vector<RunnerText> runners;
    Green green;
    const char* expected;
    const char* minStake = "";  // "" for none
};

class ComputeMarketGives : public testing::TestWithParam<MarketCase> {};

TEST_P(ComputeMarketGives, TheExpectedFigures) {
    const MarketCase& c = GetParam();
    MarketRequest request;
    request.green = c.green;
    if (*c.minStake != '\0') request.minStake = m(c.minStake);
    for (const RunnerText& t : c.runners) {
        Runner r{t.name, {}, std::nullopt, std::nullopt};
        for (const char* bet : t.bets) r.bets.push_back(*parseBet(bet, kFormat).bet);
        if (*t.back != '\0') r.back = m(t.back);
        if (*t.lay != '\0') r.lay = m(t.lay);
        request.runners.push_back(r);
    }
    EXPECT_EQ(summary(c.runners, ComputeMarket(request), c.green), c.expected);
}

const std::vector<RunnerText> kThreeRunners{{"A", {"back:10@4.00"}, "3.50", "3.55"},
                                            {"B", {"lay:10@3.00"}, "3.00", "3.05"},
                                            {"C", {}, "2.62", "2.64"}};

// A backed at 3.45, now 3.00/3.05, against a favourite and an outsider at 1000.
const std::vector<RunnerText> kLongPrice{
    {"A", {"back:10@3.45"}, "3.00", "3.05"}, {"B", {}, "1.50", "1.51"}, {"C", {}, "1000", "1000"}};

INSTANTIATE_TEST_SUITE_P(
    Markets, ComputeMarketGives,
    testing::Values(
        MarketCase{"NoGreen", kThreeRunners, Green::None,
                   "A 40.00 40.00/2.00/38.00; B -30.00 -30.00/0.00/-30.00; C 0.00 0.00/0.00/0.00; "
                   "book 100.07/98.83, staked 0.00"},
        // A wins 30 - 11.27 x 2.55 = 1.2615 after its lay.
        MarketCase{"GreenEach", kThreeRunners, Green::Each,
                   "A 40.00 lay 11.27@3.55 1.26/0.06/1.20; B -30.00 back 10.00@3.00 "
                   "1.27/0.06/1.21; C 0.00 1.27/0.06/1.21; book 100.07/98.83, staked 21.27, locks "
                   "in 1.2015"},
        // Level 40: B backed for 70 / 3, C for 40 / 2.62. C's 15.27, the nearest cent, leaves B's
        // outcome lowest at 1.32; 15.26 lifts it a cent and C's falls only to 1.3212.
        MarketCase{"GreenBest", kThreeRunners, Green::Best,
                   "A 40.00 1.41/0.07/1.34; B -30.00 back 23.33@3.00 1.40/0.07/1.33; C 0.00 back "
                   "15.26@2.62 1.39/0.07/1.32; book 100.07/98.83, staked 38.59, locks in 1.3212"},
        // Two runners at evens, books of 100 %: a back of B levels everything, and so does green
        // each's lay of A for the same 15.00, which best shows when it finds nothing better.
        MarketCase{"BestGreenIsOneBet",
                   {{"A", {"back:10@3.00"}, "2.00", "2.00"}, {"B", {}, "2.00", "2.00"}},
                   Green::Best,
                   "A 20.00 lay 15.00@2.00 5.00/0.25/4.75; B -10.00 5.00/0.25/4.75; book "
                   "100.00/100.00, staked 15.00, locks in 4.75"},
        // A cent of stake at 1000 moves C's outcome by 10.00: 0.03 locks in -3.03, 0.04 more.
        MarketCase{"BestSearchesTheCentsAtALongPrice", kLongPrice, Green::Best,
                   "A 24.50 1.46/0.07/1.39; B -10.00 back 23.00@1.50 1.46/0.07/1.39; C -10.00 back "
                   "0.04@1,000.00 6.96/0.35/6.61; book 100.10/99.11, staked 23.04, locks in 1.39"},
        // Commission falls on the exchange's part alone: the lay levels the nets, not the P/Ls.
        MarketCase{"BestLevelsTheNetsAfterCommission",
                   {{"X", {"free:10@5.00"}, "4.80", "5.00"}, {"Y", {}, "1.22", "1.26"}},
                   Green::Best,
                   "X 40.00 lay 8.08@5.00 7.68/0.00/7.68; Y 0.00 8.08/0.40/7.68; book "
                   "102.80/99.37, staked 8.08, locks in 7.68"},
        // Under a minimum of 2.00, C's few cents cannot be placed: the best leaves C alone.
        MarketCase{"BestKeepsToPlaceableStakes", kLongPrice, Green::Best,
                   "A 24.50 lay 11.31@3.05 1.31/0.07/1.24; B -10.00 1.31/0.07/1.24; C -10.00 "
                   "1.31/0.07/1.24; book 100.10/99.11, staked 11.31, locks in 1.24",
                   "2"},
        MarketCase{"LayBookOverHundredIsAnArbitrage",
                   {{"A", {"back:10@3.00"}, "1.90", "1.95"}, {"B", {}, "1.90", "1.98"}},
                   Green::Best,
                   "A 20.00 20.00/1.00/19.00; B -10.00 -10.00/0.00/-10.00; book 105.26/101.79, "
                   "staked 0.00, arbitrage A"},
        MarketCase{"OneRunnerIsCertain",
                   {{"A", {"back:10@3.00"}, "2.00", "2.02"}},
                   Green::Best,
                   "A 20.00 20.00/1.00/19.00; book 50.00/49.50, staked 0.00, certain A"},
        // 100/12 + 100/1.5 + 100/800 is 75.125 exactly: half away from zero.
        MarketCase{"AnExactHalfOfABookGoesUp",
                   {{"A", {}, "12", "12.5"}, {"B", {}, "1.5", "1.51"}, {"C", {}, "800", "810"}},
                   Green::None,
                   "A 0.00 0.00/0.00/0.00; B 0.00 0.00/0.00/0.00; C 0.00 0.00/0.00/0.00; book "
                   "75.13/74.35, staked 0.00"},
        MarketCase{"BackBookUnderHundredIsAnArbitrage",
                   {{"A", {"back:10@3.00"}, "2.10", "2.12"}, {"B", {}, "2.10", "2.12"}},
                   Green::Best,
                   "A 20.00 20.00/1.00/19.00; B -10.00 -10.00/0.00/-10.00; book 95.24/94.34, "
                   "staked 0.00, arbitrage A"},
        MarketCase{"ARunnerWithoutThePriceIsNamed",
                   {{"A", {"back:10@3.00"}, "2.90", ""}, {"B", {}, "1.50", "1.52"}},
                   Green::Each,
                   "A 20.00 20.00/1.00/19.00; B -10.00 -10.00/0.00/-10.00; book 101.15/-, "
                   "staked 0.00, missing price A"}),
    [](const testing::TestParamInfo<MarketCase>& param) { return std::string(param.param.name); });

// Several winners: the runners' placings, the green's bets, and the worst and best outcomes.
struct PlaceCase {
    const char* name;
    int winners;
    std::vector<RunnerText> runners;
    Green green;
    const char* expected;
};

class ComputePlaceMarketGives : public testing::TestWithParam<PlaceCase> {};

TEST_P(ComputePlaceMarketGives, TheExpectedFigures) {
    const PlaceCase& c = GetParam();
    MarketRequest request;
    request.green = c.green;
    request.winners = c.winners;
    for (const RunnerText& t : c.runners)
        request.runners.push_back({t.name,
                                   {},
                                   *t.back ? std::optional(m(t.back)) : std::nullopt,
                                   *t.lay ? std::optional(m(t.lay)) : std::nullopt});
    for (std::size_t i = 0; i < c.runners.size(); ++i)
        for (const char* bet : c.runners[i].bets)
            request.runners[i].bets.push_back(*parseBet(bet, kFormat).bet);
    const MarketReport r = ComputeMarket(request);
    std::string text;
    for (std::size_t i = 0; i < c.runners.size(); ++i) {
        text += std::string(c.runners[i].name) + " " + shown(r.runners[i].ifPlaced);
        if (const auto& h = r.runners[i].hedge)
            text += std::string(h->side == BetSide::Lay ? " lay " : " back ") + shown(h->stake);
        text += "; ";
    }
    if (r.problem == GreenProblem::Arbitrage) text += "arbitrage; ";
    if (r.problem == GreenProblem::Certain) text += "certain; ";
    text += "worst " + r.worst->pays.displayFine(kFormat) + "/" +
            r.worst->net.displayFine(kFormat) + ", best " + r.best->pays.displayFine(kFormat) +
            ", books " + shown(*r.backBook) + "/" + shown(*r.layBook);
    EXPECT_EQ(text, c.expected);
}

// Back A 20@2.50 and lay B 10@1.60 in a 2-place market of five: A's placing adds 50, B's -16,
// and every runner's loss is -10.
const std::vector<RunnerText> kPlaceMarket{{"A", {"back:20@2.50"}, "2.34", "2.42"},
                                           {"B", {"lay:10@1.60"}, "1.64", "1.69"},
                                           {"C", {}, "1.97", "2.04"},
                                           {"D", {}, "3.25", "3.45"},
                                           {"E", {}, "5.40", "5.80"}};

INSTANTIATE_TEST_SUITE_P(
    PlaceMarkets, ComputePlaceMarketGives,
    testing::Values(
        PlaceCase{"NoGreen", 2, kPlaceMarket, Green::None,
                  "A 50.00; B -16.00; C 0.00; D 0.00; E 0.00; worst -26.00/-26.00, best 40.00, "
                  "books 203.76/195.74"},
        // Every outcome pays 0.90 to 0.9092 before commission; the worst nets 0.85.
        PlaceCase{"GreenEach", 2, kPlaceMarket, Green::Each,
                  "A 50.00 lay 20.66; B -16.00 back 9.76; C 0.00; D 0.00; E 0.00; worst 0.90/0.85, "
                  "best 0.9092, books 203.76/195.74"},
        // Two cents less on B: 0.8936 before commission, which takes 0.04 of it.
        PlaceCase{"GreenBestToTheCent", 2, kPlaceMarket, Green::Best,
                  "A 50.00 lay 20.66; B -16.00 back 9.74; C 0.00; D 0.00; E 0.00; worst "
                  "0.8936/0.8536, best 0.9228, books 203.76/195.74"},
        // Two places among three runners backed at 1.40: a back book of 214 % is no arbitrage
        // against 200 %, but lays at 1.45 make one of 206.90 %, over it.
        PlaceCase{"ALayBookOverTwoHundred",
                  2,
                  {{"A", {"back:10@2.00"}, "1.40", "1.45"},
                   {"B", {}, "1.40", "1.45"},
                   {"C", {}, "1.40", "1.45"}},
                  Green::Best,
                  "A 20.00; B 0.00; C 0.00; arbitrage; worst -10.00/-10.00, best 10.00, books "
                  "214.29/206.90"},
        // Two winners of two runners: both are placed whatever happens, nothing to green.
        PlaceCase{"EveryRunnerPlaced",
                  2,
                  {{"A", {"back:10@2.00"}, "1.40", "1.45"}, {"B", {}, "1.40", "1.45"}},
                  Green::Best,
                  "A 20.00; B 0.00; certain; worst 10.00/9.50, best 10.00, books 142.86/137.93"}),
    [](const testing::TestParamInfo<PlaceCase>& param) { return std::string(param.param.name); });

// A result settled: the runners placed outright and those tied for the places left.
struct ResultCase {
    const char* name;
    int winners;
    std::vector<const char*> bets;  // on runner A; B to E have none
    std::vector<std::size_t> placed, deadHeat;
    const char* expected;  // "A's bets paid; commission; net"
};

class SettleMarketGives : public testing::TestWithParam<ResultCase> {};

TEST_P(SettleMarketGives, WhatTheExchangePays) {
    const ResultCase& c = GetParam();
    MarketRequest request;
    request.winners = c.winners;
    for (const char* name : {"A", "B", "C", "D", "E"})
        request.runners.push_back({name, {}, std::nullopt, std::nullopt});
    for (const char* bet : c.bets) request.runners[0].bets.push_back(*parseBet(bet, kFormat).bet);
    const Settled s = SettleMarket(request, {c.placed, c.deadHeat});
    EXPECT_EQ(s.paid[0].displayFine(kFormat) + "; " + shown(s.commission) + "; " +
                  s.net.displayFine(kFormat),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DeadHeats, SettleMarketGives,
    testing::Values(
        // Half the lay settled placed (-0.87), half not (+1.00); at the full place, -1.74.
        ResultCase{
            "LayTiedForTheThirdPlace", 3, {"lay:2@1.87"}, {1, 2}, {0, 3}, "0.13; 0.01; 0.12"},
        ResultCase{"LayPlacedOutright", 3, {"lay:2@1.87"}, {0, 1, 2}, {}, "-1.74; 0.00; -1.74"},
        // A win market's dead heat of three: a third of 10 @ 7.00 wins 20, the rest loses 6.67.
        ResultCase{"BackInAThreeWayDeadHeatForTheWin",
                   1,
                   {"back:10@7.00"},
                   {},
                   {0, 1, 2},
                   "13.3333; 0.67; 12.6633"}),
    [](const testing::TestParamInfo<ResultCase>& param) { return std::string(param.param.name); });

// Withdrawals: the reduced price of a bet matched before them, by market and factor.
TEST(NonRunners, ReduceThePricesOfBetsMatchedBeforeThem) {
    struct Row {
        int winners;
        std::vector<const char*> factors;
        const char* price;
        const char* reduced;
    };
    for (const Row& row : {Row{1, {"25"}, "6.00", "4.50"}, Row{1, {"2"}, "6.00", "6.00"},
                           Row{1, {"2", "10"}, "6.00", "5.40"}, Row{2, {"25"}, "6.00", "4.75"},
                           Row{2, {"2"}, "3.00", "2.96"}, Row{1, {"12.5"}, "3.45", "3.0188"}}) {
        std::vector<NonRunner> nonRunners;
        for (const char* factor : row.factors) nonRunners.push_back({9, m(factor)});
        EXPECT_EQ(reducedPrice(m(row.price), nonRunners, row.winners).displayFine(kFormat),
                  row.reduced)
            << row.price << " " << row.winners;
    }
}

// Back X 10 @ 6.00 before the off and lay it 20 @ 3.00 in play: +10 whichever way; a non-runner
// of 25 % reduces the back alone, to 4.50; had both been matched before, 4.50 and 2.25.
TEST(NonRunners, LeaveBetsMatchedAfterThemAtTheirPrice) {
    for (const auto& [layAfter, ifWins] : {std::pair{true, "-5.00"}, {false, "10.00"}}) {
        MarketRequest request;
        Bet back{BetKind::Back, m("6.00"), m("10")};
        Bet lay{BetKind::Lay, m("3.00"), m("20")};
        lay.matchedAfter = layAfter;
        request.runners = {{"X", {back, lay}, std::nullopt, std::nullopt},
                           {"NR", {back}, std::nullopt, std::nullopt},
                           {"Y", {}, std::nullopt, std::nullopt}};
        const AfterWithdrawals after = withoutNonRunners(request, {{1, m("25")}});
        ASSERT_EQ(after.request.runners.size(), 2u);  // the non-runner's bet is void
        const MarketReport r = ComputeMarket(after.request);
        EXPECT_EQ(shown(r.runners[0].ifWins) + " " + shown(r.runners[1].ifWins),
                  std::string(ifWins) + " 10.00");
    }
}

struct DutchCase {
    const char* name;
    DutchSide side;
    std::vector<const char*> prices;
    DutchTarget target;
    const char* amount;
    const char* expected;  // "stakes; if each wins; if another wins (net); book", or "none"
};

class ComputeDutchGives : public testing::TestWithParam<DutchCase> {};

TEST_P(ComputeDutchGives, TheExpectedStakes) {
    const DutchCase& c = GetParam();
    DutchRequest request{c.side, {}, c.target, m(c.amount), kDefaultCommissionRate};
    for (const char* price : c.prices) request.runners.push_back({price, m(price)});
    const auto report = ComputeDutch(request);
    std::string text = "none";
    if (report) {
        text.clear();
        for (Money stake : report->stakes) text += shown(stake) + " ";
        text += ";";
        for (Money wins : report->ifWins) text += " " + shown(wins);
        text += "; " + shown(report->ifOtherWins) + " (" + shown(report->netIfOtherWins) + "); " +
                shown(report->book);
    }
    EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dutching, ComputeDutchGives,
    testing::Values(DutchCase{"LayForALiability",
                              DutchSide::Lay,
                              {"5.00", "12.00", "31.00"},
                              DutchTarget::Liability,
                              "50",
                              "14.61 6.09 2.36 ; -49.99 -50.02 -50.10; 23.06 (21.91); 31.56"},
                    // 100 x (1/2 : 1/4) over 3/4: 66.67 and 33.33, each rounded on its own.
                    DutchCase{"BackForATotal",
                              DutchSide::Back,
                              {"2.00", "4.00"},
                              DutchTarget::Stake,
                              "100",
                              "66.67 33.33 ; 33.34 33.32; -100.00 (-100.00); 75.00"},
                    // T = 10 / (1 / 0.75 - 1) = 30.
                    DutchCase{"BackForAProfit",
                              DutchSide::Back,
                              {"2.00", "4.00"},
                              DutchTarget::Profit,
                              "10",
                              "20.00 10.00 ; 10.00 10.00; -30.00 (-30.00); 75.00"},
                    // 0.13 ÷ 1.04 is 0.125 exactly: half away from zero.
                    DutchCase{"AnExactHalfCentGoesUp",
                              DutchSide::Lay,
                              {"2.04"},
                              DutchTarget::Liability,
                              "0.13",
                              "0.13 ; -0.14; 0.13 (0.12); 49.02"},
                    DutchCase{"NoProfitFromAFullBook",
                              DutchSide::Back,
                              {"2.00", "2.00"},
                              DutchTarget::Profit,
                              "10",
                              "none"},
                    DutchCase{"NoLayDutchOfAFullBook",
                              DutchSide::Lay,
                              {"1.50", "3.00"},
                              DutchTarget::Liability,
                              "10",
                              "none"}),
    [](const testing::TestParamInfo<DutchCase>& param) { return std::string(param.param.name); });

struct EachWayCase {
    const char* name;
    const char* bet;  // "STAKE@PRICE N/D places"
    EachWayRequest request;
    const char* expected;  // "win lay (liability), place lay (liability); the four nets"
};

class ComputeEachWayGives : public testing::TestWithParam<EachWayCase> {};

TEST_P(ComputeEachWayGives, TheExpectedLaysAndOutcomes) {
    const EachWayReport r = ComputeEachWay(GetParam().request);
    std::string text = shown(r.winLayStake) + " (" + r.winLiability.displayFine(kFormat) + "), " +
                       shown(r.placeLayStake) + " (" + r.placeLiability.displayFine(kFormat) + ");";
    for (Money net : r.net) text += " " + net.displayFine(kFormat);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EachWay, ComputeEachWayGives,
    testing::Values(
        // The place price is 3.00; the 4th place is the bookmaker's extra one, where the place lay
        // wins.
        EachWayCase{"AnExtraPlace",
                    "10@11 1/5 4",
                    {{m("10"), m("11"), 1, 5, 4}, 3, m("11.50"), m("3.20"), m("5")},
                    "9.61 (100.9050), 9.52 (20.9440); -1.8490 -1.8145 28.1735 -1.8265"},
        // 1/4 the odds of 4.50: place part 17.50 (price 1.875); no commission at a rate of 0:
        // wins 87.50 - 70.452 - 17.766; placed -2.50 + 19.57 - 17.766; unplaced -40 + 19.57 +
        // 19.74 (no extra place here: the third figure is never shown).
        EachWayCase{"QuarterOddsNoCommission",
                    "20@4.50 1/4 3",
                    {{m("20"), m("4.50"), 1, 4, 3}, 3, m("4.60"), m("1.90"), m("0")},
                    "19.57 (70.4520), 19.74 (17.7660); -0.7180 -0.6960 36.81 -0.69"}),
    [](const testing::TestParamInfo<EachWayCase>& param) { return std::string(param.param.name); });

struct AccaCase {
    const char* name;
    AccaRequest request;
    const char* expected;  // "lays; each path's net" or, laid at once, "lays; each outcome"
};

class ComputeAccaGives : public testing::TestWithParam<AccaCase> {};

TEST_P(ComputeAccaGives, TheLaysAndEveryPath) {
    const AccaReport r = ComputeAcca(GetParam().request);
    std::string text;
    for (const AccaLay& lay : r.lays) text += (text.empty() ? "" : " ") + shown(lay.stake);
    text += ";";
    for (const AccaPath& path : r.paths) text += " " + path.net.displayFine(kFormat);
    for (const AccaOutcome& o : r.outcomes) text += " " + o.net.displayFine(kFormat);
    EXPECT_EQ(text, GetParam().expected);
}

const std::vector<AccaLeg> kTreble{
    {m("1.80"), m("1.85")}, {m("1.50"), m("1.55")}, {m("2.10"), m("2.16")}};

// A bet of 10 on legs, at 5 %.
AccaRequest acca(std::vector<AccaLeg> legs, AccaKind kind = AccaKind::Cash, Money refund = Money(),
                 std::vector<PlacedLay> placed = {}, bool upfront = false) {
    return {m("10"), std::move(legs), kind, refund, std::move(placed), upfront, m("5")};
}

INSTANTIATE_TEST_SUITE_P(
    Accumulators, ComputeAccaGives,
    testing::Values(
        AccaCase{"LaidLegByLeg", acca(kTreble),
                 "8.98 17.02 26.87; -1.4690 -1.4640 -1.4675 -1.4632"},
        // Leg 1 won with 8.98 laid at 1.85; leg 2 has drifted to 1.62.
        AccaCase{"AfterALegHasDrifted",
                 acca({kTreble[0], {m("1.50"), m("1.62")}, kTreble[2]}, AccaKind::Cash, Money(),
                      {{m("8.98"), m("1.85")}}),
                 "8.98 16.26 26.87; -2.1860 -2.1877 -2.1834"},
        AccaCase{"AFreeBetStakeNotReturned", acca(kTreble, AccaKind::FreeSnr),
                 "7.40 14.02 22.13; 7.03 7.0290 7.0225 7.0282"},
        // A refund of the stake when a leg loses: the lays are the same, every loss 10 up.
        AccaCase{"ARefundOffer", acca(kTreble, AccaKind::Cash, m("10")),
                 "8.98 17.02 26.87; 8.5310 8.5360 8.5325 -1.4632"},
        // Laid at once, each for the stake: the four results of a double, far apart.
        AccaCase{"LaidAtOnce", acca({kTreble[0], kTreble[1]}, AccaKind::Cash, Money(), {}, true),
                 "10.00 10.00; 9.00 -9.00 -6.00 3.00"}),
    [](const testing::TestParamInfo<AccaCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// What the market nets if runner k wins with extra bets placed, worked out from the bets alone.
Money netWith(const MarketRequest& market, const std::vector<std::optional<Bet>>& extra,
              std::size_t k) {
    Money exchange, bookmaker;
    for (std::size_t i = 0; i < market.runners.size(); ++i) {
        std::vector<Bet> bets = market.runners[i].bets;
        if (extra[i]) bets.push_back(*extra[i]);
        for (const Bet& bet : bets) {
            const OutcomePair p = pays(bet);
            Money& part = bet.info().venue == Venue::Bookmaker ? bookmaker : exchange;
            part = part + (i == k ? p.wins : p.loses);
        }
    }
    return bookmaker + exchange - commissionOn(exchange, market.rate);
}

Money lowestWith(const MarketRequest& market, const std::vector<std::optional<Bet>>& extra) {
    Money lowest = Money::max();
    for (std::size_t k = 0; k < market.runners.size(); ++k)
        lowest = std::min(lowest, netWith(market, extra, k));
    return lowest;
}

MarketRequest randomMarket(std::mt19937& random) {
    const std::vector<Money> ladder = standardLadder().prices();
    auto pick = [&](std::size_t from, std::size_t span) { return from + random() % span; };
    MarketRequest market;
    market.rate = random() % 2 == 0 ? kDefaultCommissionRate : Money::fromWhole(2);
    // Fair prices from random chances, backed a tick or so under them and laid over them, so
    // that the books stand either side of 100 %.
    const std::size_t runners = 2 + random() % 2;
    std::vector<double> weights;
    double total = 0;
    for (std::size_t r = 0; r < runners; ++r) total += weights.emplace_back(1 + random() % 40);
    for (std::size_t r = 0; r < runners; ++r) {
        const Money fair = Money::fromDouble(total / weights[r]);
        std::size_t at = 0;
        while (at + 4 < ladder.size() && ladder[at + 1] <= fair) ++at;
        market.runners.push_back(
            {std::string(1, static_cast<char>('A' + r)), {}, ladder[at], ladder[at + pick(1, 2)]});
    }
    const BetKind kinds[] = {BetKind::Back, BetKind::Lay, BetKind::Free};
    for (std::size_t b = pick(1, 3); b > 0; --b)
        market.runners[pick(0, runners)].bets.push_back(
            {kinds[pick(0, 3)], ladder[pick(10, 300)],
             Money::fromCount(static_cast<std::int64_t>(pick(100, 20000)) * 100)});
    return market;
}

std::optional<Bet> asBet(const std::optional<HedgeBet>& hedge) {
    if (!hedge) return std::nullopt;
    return Bet{hedge->side == BetSide::Lay ? BetKind::Lay : BetKind::Back, hedge->price,
               hedge->stake};
}

// Every set of bets within three cents of green best's, on its runners and sides, locks in no
// more; green best locks in no less than green each, nor green each than its nearest cents.
TEST(GreenBest, NothingWithinThreeCentsLocksInMore) {
    std::mt19937 random(2026);
    int searched = 0;
    for (int trial = 0; trial < 600 && searched < 300; ++trial) {
        MarketRequest market = randomMarket(random);
        market.green = Green::Best;
        const MarketReport best = ComputeMarket(market);
        if (best.problem != GreenProblem::None) continue;
        ++searched;
        market.green = Green::Each;
        const MarketReport each = ComputeMarket(market);
        EXPECT_GE(best.lowest, each.lowest) << trial;
        std::vector<std::optional<Bet>> nearest(market.runners.size());
        for (std::size_t i = 0; i < market.runners.size(); ++i)
            if (const auto bet = asBet(each.runners[i].hedge)) {
                OutcomePair own;
                for (const Bet& b : market.runners[i].bets) own = own + pays(b);
                const Money spread = own.wins - own.loses;
                const Money amount = spread < Money() ? Money() - spread : spread;
                nearest[i] = Bet{bet->kind, bet->price,
                                 mulDivRounded(amount, Money::fromWhole(1), bet->price, kCent)};
            }
        EXPECT_GE(each.lowest, lowestWith(market, nearest)) << trial;

        std::vector<std::optional<Bet>> bets(market.runners.size());
        for (std::size_t i = 0; i < bets.size(); ++i) bets[i] = asBet(best.runners[i].hedge);
        EXPECT_EQ(lowestWith(market, bets), best.lowest) << trial;
        // Odometer over −3..+3 cents on each hedged runner.
        std::vector<int> offset(bets.size(), -3);
        for (bool more = true; more;) {
            std::vector<std::optional<Bet>> trialBets = bets;
            bool valid = true;
            for (std::size_t i = 0; i < bets.size(); ++i) {
                if (!bets[i]) continue;
                trialBets[i]->stake = bets[i]->stake + Money::fromCount(offset[i] * 100);
                valid = valid && trialBets[i]->stake >= Money();
            }
            if (valid) {
                EXPECT_LE(lowestWith(market, trialBets), best.lowest)
                    << "trial " << trial << " runner offsets " << offset[0] << " " << offset[1];
            }
            more = false;
            for (std::size_t i = 0; i < offset.size() && !more; ++i) {
                if (!bets[i]) continue;
                if (++offset[i] <= 3)
                    more = true;
                else
                    offset[i] = -3;
            }
        }
    }
    EXPECT_GE(searched, 200);
}

}  // namespace
}  // namespace quorvel
