// Speed of the money operations and of one hedge calculation.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "core/hedge.h"
#include "core/market.h"
#include "core/money.h"
#include "core/position.h"
#include "core/price_ladder.h"

namespace {

using quorvel::Money;
const quorvel::NumberFormat kFormat = quorvel::NumberFormat::pointComma();

void BM_Parse(benchmark::State& state) {
    const std::array<std::string, 4> texts{"3", "2.50", "1,234.50", "10000"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Money::parse(texts[i++ & 3], kFormat));
}
BENCHMARK(BM_Parse);

void BM_Display(benchmark::State& state) {
    const std::array<Money, 4> values{Money::fromCount(30000), Money::fromCount(118367),
                                      Money::fromCount(12345000), Money::fromCount(94895500950)};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(values[i++ & 3].display(kFormat));
}
BENCHMARK(BM_Display);

void BM_Multiply(benchmark::State& state) {
    Money a = Money::fromCount(15000), b = Money::fromCount(118367);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(a * b);
    }
}
BENCHMARK(BM_Multiply);

void BM_FromDouble(benchmark::State& state) {
    double x = 29.0 / 2.45;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(Money::fromDouble(x));
    }
}
BENCHMARK(BM_FromDouble);

void BM_ComputeHedge(benchmark::State& state) {
    const auto mode = static_cast<std::int16_t>(state.range(0));
    const bool single = state.range(1) != 0;
    const Money five = Money::fromWhole(5);
    const std::array<Money, 3> in =
        mode == 3 ? std::array<Money, 3>{Money::parse("2.5", kFormat), Money::parse("1.8", kFormat),
                                         Money::fromWhole(100)}
                  : std::array<Money, 3>{Money::parse("3", kFormat), Money::fromWhole(10),
                                         Money::parse("2.5", kFormat)};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            quorvel::ComputeHedge(mode, single, five, five, in[0], in[1], in[2]));
    state.SetLabel(std::string("mode ") + std::to_string(mode) +
                   (single ? " single" : " separate"));
}
BENCHMARK(BM_ComputeHedge)->ArgsProduct({{1, 2, 3}, {1, 0}});

// A trader's position of many bets, backs and lays on the ladder, greened up at one price.
void BM_ComputePosition(benchmark::State& state) {
    quorvel::PositionRequest request;
    const std::vector<Money> prices = quorvel::standardLadder().prices();
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        const auto index = static_cast<std::size_t>(i * 7 % 120);
        const auto kind = i % 50 == 7  ? quorvel::BetKind::Free
                          : i % 3 == 0 ? quorvel::BetKind::Lay
                                       : quorvel::BetKind::Back;
        request.bets.push_back({kind, prices[index], Money::fromCount((i % 500 + 1) * 1000)});
    }
    request.price = Money::parse("2.5", kFormat);
    for (auto _ : state) benchmark::DoNotOptimize(quorvel::ComputePosition(request));
    state.SetLabel(std::to_string(state.range(0)) + " bets");
}
BENCHMARK(BM_ComputePosition)->Arg(1000);

// A 40-runner market of 2,000 bets, greened each way.
void BM_GreenMarket(benchmark::State& state) {
    quorvel::MarketRequest request;
    const std::vector<Money> prices = quorvel::standardLadder().prices();
    for (std::size_t r = 0; r < 40; ++r) {
        const Money back = prices[60 + r * 5];
        request.runners.push_back(
            {"Runner " + std::to_string(r + 1), {}, back, prices[61 + r * 5]});
    }
    for (std::int64_t i = 0; i < 2000; ++i) {
        auto& runner = request.runners[static_cast<std::size_t>(i % 40)];
        runner.bets.push_back({i % 3 == 0 ? quorvel::BetKind::Lay : quorvel::BetKind::Back,
                               *runner.back, Money::fromCount((i % 500 + 1) * 1000)});
    }
    request.green = state.range(0) == 0 ? quorvel::Green::Each : quorvel::Green::Best;
    for (auto _ : state) benchmark::DoNotOptimize(quorvel::ComputeMarket(request));
    state.SetLabel(state.range(0) == 0 ? "40 runners, 2,000 bets, green each"
                                       : "40 runners, 2,000 bets, green best");
}
BENCHMARK(BM_GreenMarket)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
