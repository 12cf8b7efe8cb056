// Time from process start to the first painted window, and peak memory: the calculator against
// a bare Qt window, alternating runs, offscreen unless QT_QPA_PLATFORM says otherwise.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

Sample runOnce(const char* option) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);  // unless told otherwise, as under xvfb-run
        if (std::freopen("/dev/null", "w", stderr) == nullptr) _exit(126);
        const char* args[] = {STARTUP_PROBE, option, nullptr};
        execv(STARTUP_PROBE, const_cast<char* const*>(args));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "probe failed\n");
        std::exit(1);
    }
    return {ms, usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    std::vector<double> calcMs, bareMs, labelMs, calcKiB, bareKiB, labelKiB;
    for (const char* option : {"--bare", "--label", static_cast<const char*>(nullptr)})
        runOnce(option);  // warm the file cache for all three
    for (int i = 0; i < runs; ++i) {
        const Sample b = runOnce("--bare");
        const Sample l = runOnce("--label");
        const Sample c = runOnce(nullptr);
        bareMs.push_back(b.milliseconds);
        labelMs.push_back(l.milliseconds);
        calcMs.push_back(c.milliseconds);
        bareKiB.push_back(static_cast<double>(b.peakKiB));
        labelKiB.push_back(static_cast<double>(l.peakKiB));
        calcKiB.push_back(static_cast<double>(c.peakKiB));
    }
    const double cm = median(calcMs), bm = median(bareMs);
    const double ck = median(calcKiB), bk = median(bareKiB);
    std::printf(
        "start-up to first paint (median of %d): calculator %.1f ms, bare window %.1f ms, "
        "ratio %.2f\n",
        runs, cm, bm, cm / bm);
    std::printf("peak memory (median): calculator %.0f KiB, bare window %.0f KiB, ratio %.2f\n", ck,
                bk, ck / bk);
    const double lm = median(labelMs), lk = median(labelKiB);
    std::printf("window with one label: %.1f ms (calculator ratio %.2f), %.0f KiB (ratio %.2f)\n",
                lm, cm / lm, lk, ck / lk);
    return 0;
}
