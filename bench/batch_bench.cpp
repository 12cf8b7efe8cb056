// quorvel-calc --batch: throughput between two files on a million generated lines (all modes
// and models), the same for lines that each fail in one way, and round trips of one line and
// its answer as a co-process on a pipe pair.
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

std::string money(int cents) {
    return std::to_string(cents / 100) + "." + std::to_string(cents % 100 / 10) +
           std::to_string(cents % 10);
}

// Seconds that quorvel-calc --batch takes over lines lines that line(i) makes; -1 on failure.
double secondsFor(long lines, const std::function<std::string(long)>& line,
                  const char* options = "--batch") {
    const auto dir = std::filesystem::temp_directory_path() / "quorvel-batch-bench";
    std::filesystem::create_directories(dir);
    {
        std::ofstream out(dir / "in.tsv");
        for (long i = 0; i < lines; ++i) out << line(i) << '\n';
    }
    const std::string command = std::string("LC_ALL=C '") + QUORVEL_CALC + "' " + options + " < '" +
                                (dir / "in.tsv").string() + "' > '" + (dir / "out.txt").string() +
                                "'";
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::filesystem::remove_all(dir);
    return status == 0 ? seconds : -1.0;
}

// One line written, one answer read, trips times, with quorvel-calc kept open on two pipes.
double roundTripsPerSecond(int trips) {
    int toCalc[2], fromCalc[2];
    if (::pipe(toCalc) != 0 || ::pipe(fromCalc) != 0) return -1.0;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(toCalc[0], 0);
        ::dup2(fromCalc[1], 1);
        ::close(toCalc[1]);
        ::close(fromCalc[0]);
        ::execl(QUORVEL_CALC, QUORVEL_CALC, "--batch", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(toCalc[0]);
    ::close(fromCalc[1]);
    const std::string bet = "2\tsingle\t5\t5\t3\t10\t2.5\n";
    char answer[256];
    bool ok = true;
    const auto start = Clock::now();
    for (int i = 0; i < trips && ok; ++i) {
        ok = ::write(toCalc[1], bet.data(), bet.size()) == static_cast<ssize_t>(bet.size());
        std::size_t got = 0;
        while (ok && (got == 0 || answer[got - 1] != '\n')) {
            const ssize_t n = ::read(fromCalc[0], answer + got, sizeof answer - got);
            ok = n > 0;
            got += ok ? static_cast<std::size_t>(n) : 0;
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ::close(toCalc[1]);
    ::close(fromCalc[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return ok ? trips / seconds : -1.0;
}

}  // namespace

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> price(101, 5000), stake(1, 100000), rate(0, 500);
    const double valid = secondsFor(lines, [&](long i) {
        const int mode = static_cast<int>(i % 3) + 1;
        return std::to_string(mode) + '\t' + (i % 2 != 0 ? "single" : "separate") + '\t' +
               money(rate(rng)) + '\t' + money(rate(rng)) + '\t' + money(price(rng)) + '\t' +
               (mode == 3 ? money(price(rng)) : money(stake(rng))) + '\t' +
               (mode == 3 ? money(stake(rng)) : money(price(rng)));
    });
    if (valid < 0) {
        std::fprintf(stderr, "quorvel-calc --batch failed\n");
        return 1;
    }
    std::printf("batch: %ld lines in %.3f s = %.0f lines/s\n", lines, valid,
                static_cast<double>(lines) / valid);

    // Each kind of error line, against the valid lines above (the goal: at most 2 times).
    const std::pair<const char*, const char*> errors[] = {
        {"parse", "2\tsingle\t5\t5\tabc\t10\t2.5"},
        {"overflow", "1\tsingle\t5\t5\t900000000000000\t900000000000000\t2"},
        {"division", "1\tseparate\t50\t5\t2.5\t10\t-1"},
        {"input", "2\tsingle\t5\t5\t3\t10"},
    };
    for (const auto& [kind, text] : errors) {
        const double seconds = secondsFor(lines, [&](long) { return std::string(text); });
        std::printf("batch, every line error: %-8s %.3f s = %.2f times a valid line\n", kind,
                    seconds, seconds / valid);
    }

    // Market requests of five runners, greened best, through --batch --json.
    const long markets = lines / 20;
    const double marketSeconds = secondsFor(
        markets,
        [&](long) {
            std::string runners;
            for (int r = 0; r < 5; ++r) {
                const int back = 200 + 10 * r * r;  // on the ladder
                runners += std::string(r == 0 ? "" : ", ") + "{\"name\": \"R" + std::to_string(r) +
                           "\", \"bets\": [\"back:" + money(stake(rng)) + "@" + money(back) +
                           "\"], \"back\": \"" + money(back) + "\", \"lay\": \"" +
                           money(back + 10) + "\"}";
            }
            return "{\"market\": [" + runners + "], \"green\": \"best\"}";
        },
        "--batch --json");
    std::printf("batch JSON markets of 5 runners, greened best: %.0f requests/s\n",
                static_cast<double>(markets) / marketSeconds);

    const int trips = 20'000;
    std::printf("co-process: %.0f round trips/s (one line written, its answer read, %d times)\n",
                roundTripsPerSecond(trips), trips);
    return 0;
}
