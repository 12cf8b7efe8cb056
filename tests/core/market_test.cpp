#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dutch.h"
#include "core/market.h"

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
std::string summary(const std::vector<RunnerText>& runners, const MarketReport& r) {
    std::string text;
    const char* problems[] = {"", "arbitrage", "missing price"};
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
    return text;
}

struct MarketCase {
    const char* name;
    std::vector<RunnerText> runners;
    Green green;
    const char* expected;
};

class ComputeMarketGives : public testing::TestWithParam<MarketCase> {};

TEST_P(ComputeMarketGives, TheExpectedFigures) {
    const MarketCase& c = GetParam();
    MarketRequest request;
    request.green = c.green;
    for (const RunnerText& t : c.runners) {
        Runner r{t.name, {}, std::nullopt, std::nullopt};
        for (const char* bet : t.bets) r.bets.push_back(*parseBet(bet, kFormat).bet);
        if (*t.back != '\0') r.back = m(t.back);
        if (*t.lay != '\0') r.lay = m(t.lay);
        request.runners.push_back(r);
    }
    EXPECT_EQ(summary(c.runners, ComputeMarket(request)), c.expected);
}

const std::vector<RunnerText> kThreeRunners{{"A", {"back:10@4.00"}, "3.50", "3.55"},
                                            {"B", {"lay:10@3.00"}, "3.00", "3.05"},
                                            {"C", {}, "2.62", "2.64"}};

INSTANTIATE_TEST_SUITE_P(
    Markets, ComputeMarketGives,
    testing::Values(
        MarketCase{"NoGreen", kThreeRunners, Green::None,
                   "A 40.00 40.00/2.00/38.00; B -30.00 -30.00/0.00/-30.00; C 0.00 0.00/0.00/0.00; "
                   "book 100.07/98.83, staked 0.00"},
        // A wins 30 - 11.27 x 2.55 = 1.2615 after its lay.
        MarketCase{"GreenEach", kThreeRunners, Green::Each,
                   "A 40.00 lay 11.27@3.55 1.26/0.06/1.20; B -30.00 back 10.00@3.00 "
                   "1.27/0.06/1.21; C 0.00 1.27/0.06/1.21; book 100.07/98.83, staked 21.27"},
        // Level 40: B backed for 70 / 3, C for 40 / 2.62. C's 15.27, the nearest cent, leaves B's
        // outcome lowest at 1.32; 15.26 lifts it a cent and C's falls only to 1.3212.
        MarketCase{"GreenBest", kThreeRunners, Green::Best,
                   "A 40.00 1.41/0.07/1.34; B -30.00 back 23.33@3.00 1.40/0.07/1.33; C 0.00 back "
                   "15.26@2.62 1.39/0.07/1.32; book 100.07/98.83, staked 38.59"},
        // Two runners at evens, books of 100 %: a back of B levels everything, and so does green
        // each's lay of A for the same 15.00, which best shows when it finds nothing better.
        MarketCase{"BestGreenIsOneBet",
                   {{"A", {"back:10@3.00"}, "2.00", "2.00"}, {"B", {}, "2.00", "2.00"}},
                   Green::Best,
                   "A 20.00 lay 15.00@2.00 5.00/0.25/4.75; B -10.00 5.00/0.25/4.75; book "
                   "100.00/100.00, staked 15.00"},
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

}  // namespace
}  // namespace quorvel
