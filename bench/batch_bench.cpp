// Throughput of quorvel-calc --batch on a million generated lines, all modes and models.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const auto dir = std::filesystem::temp_directory_path() / "quorvel-batch-bench";
    std::filesystem::create_directories(dir);
    {
        std::ofstream out(dir / "in.tsv");
        std::mt19937 rng(7);
        std::uniform_int_distribution<int> price(101, 5000), stake(1, 100000), rate(0, 500);
        auto money = [](int cents) {
            return std::to_string(cents / 100) + "." + std::to_string(cents % 100 / 10) +
                   std::to_string(cents % 10);
        };
        for (long i = 0; i < lines; ++i) {
            const int mode = static_cast<int>(i % 3) + 1;
            out << mode << '\t' << (i % 2 != 0 ? "single" : "separate") << '\t' << money(rate(rng))
                << '\t' << money(rate(rng)) << '\t' << money(price(rng)) << '\t'
                << (mode == 3 ? money(price(rng)) : money(stake(rng))) << '\t'
                << (mode == 3 ? money(stake(rng)) : money(price(rng))) << '\n';
        }
    }
    const std::string command = std::string("LC_ALL=C '") + QUORVEL_CALC + "' --batch < '" +
                                (dir / "in.tsv").string() + "' > '" + (dir / "out.txt").string() +
                                "'";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::filesystem::remove_all(dir);
    if (status != 0) {
        std::fprintf(stderr, "quorvel-calc --batch failed\n");
        return 1;
    }
    std::printf("batch: %ld lines in %.3f s = %.0f lines/s\n", lines, seconds,
                static_cast<double>(lines) / seconds);
    return 0;
}
