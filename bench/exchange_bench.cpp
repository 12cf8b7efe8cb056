// Speed of reading the exchange's own files: a 40-runner market book with its catalogue, and a
// replay of a stream of 100,000 messages (a runner's price levels changing, as a race's last
// minutes do).
#include <benchmark/benchmark.h>

#include <string>

#include "input/exact_json.h"
#include "input/exchange_book.h"
#include "input/exchange_stream.h"

namespace {

using quorvel::Json;
const quorvel::NumberFormat kFormat = quorvel::NumberFormat::pointComma();
constexpr int kRunners = 40;

// Ladder prices from 2.00 up, two hundredths apart: every runner a price of its own.
std::string price(int i) {
    return std::to_string(2 + i / 50) + "." + (i % 50 < 5 ? "0" : "") + std::to_string(i % 50 * 2);
}

std::string bookText() {
    std::string runners;
    for (int i = 0; i < kRunners; ++i)
        runners += std::string(i ? "," : "") + R"({"selectionId":)" + std::to_string(1000 + i) +
                   R"(,"handicap":0.0,"status":"ACTIVE","ex":{"availableToBack":[{"price":)" +
                   price(i) + R"(,"size":50.0},{"price":2.0,"size":10.0}],"availableToLay":[)" +
                   R"({"price":)" + price(i + 1) + R"(,"size":30.0}]},"matches":[{"side":"BACK",)" +
                   R"("price":)" + price(i) + R"(,"size":2.5}]})";
    return R"({"jsonrpc":"2.0","result":[{"marketId":"1.1","numberOfWinners":1,"runners":[)" +
           runners + "]}],\"id\":1}";
}

std::string catalogueText() {
    std::string runners;
    for (int i = 0; i < kRunners; ++i)
        runners += std::string(i ? "," : "") + R"({"selectionId":)" + std::to_string(1000 + i) +
                   R"(,"runnerName":"Runner )" + std::to_string(i) + R"(","handicap":0.0})";
    return R"([{"marketId":"1.1","description":{"marketBaseRate":5.0},"runners":[)" + runners +
           "]}]";
}

void BM_BookWithCatalogue(benchmark::State& state) {
    const std::string book = bookText(), catalogue = catalogueText();
    for (auto _ : state) {
        const Json b = quorvel::parseExact(book, "book");
        const Json c = quorvel::parseExact(catalogue, "catalogue");
        benchmark::DoNotOptimize(quorvel::marketOfBook({&b, &c, std::nullopt}, kFormat));
    }
}
BENCHMARK(BM_BookWithCatalogue)->Unit(benchmark::kMicrosecond);

void BM_StreamReplay(benchmark::State& state) {
    constexpr int kMessages = 100000;
    std::string stream =
        R"({"op":"mcm","pt":1,"mc":[{"id":"1.1","img":true,"marketDefinition":)"
        R"({"numberOfWinners":1,"runners":[{"id":1,"name":"A"},{"id":2,"name":"B"}]},)"
        R"("rc":[{"id":1,"atb":[[3.5,10]],"atl":[[3.55,10]]},{"id":2,"atb":[[2,5]]}]}]})"
        "\n";
    for (int i = 1; i < kMessages; ++i)
        stream += R"({"op":"mcm","pt":)" + std::to_string(1 + i) +
                  R"(,"mc":[{"id":"1.1","rc":[{"id":)" + std::to_string(1 + i % 2) +
                  R"(,"batb":[[0,)" + price(i % 40) + "," + std::to_string(i % 7) +
                  R"(]],"atl":[[)" + price(i % 40 + 1) + R"(,12.5]]}]}]})" + "\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(
            quorvel::marketOfStream(stream, std::nullopt, std::nullopt, kFormat));
    state.counters["messages/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kMessages, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StreamReplay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
