// Runs two programs alternately, each many times, and compares the median
// wall time from start to exit and the median peak resident memory.
//
//   bench_startup_runner RUNS PROGRAM -- BASELINE
//
// Each program is started with "--quit-after-show" and must exit 0 by
// itself. Prints the figures and whether they meet the targets: start-up
// within 1.35 times the baseline, peak memory within 7 MB of it (what the
// program reaches on a quiet machine).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

constexpr double kTimeRatioTarget = 1.35;
constexpr double kMemoryTargetMb = 7.0;

struct Sample {
    double milliseconds = 0;
    double peakMb = 0;
    bool ok = false;
};

Sample runOnce(const std::string &program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), "--quit-after-show", static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return {};
    const auto end = std::chrono::steady_clock::now();
    Sample sample;
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakMb = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    sample.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    double milliseconds, peakMb;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5 || std::string(argv[3]) != "--") {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM -- BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string programs[2] = {argv[2], argv[4]};
    std::vector<double> times[2], peaks[2];
    for (const std::string &program : programs)
        (void)runOnce(program); // warm the caches once
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Sample s = runOnce(programs[p]);
            if (!s.ok) {
                std::fprintf(stderr, "%s did not start and quit cleanly\n", programs[p].c_str());
                return 1;
            }
            times[p].push_back(s.milliseconds);
            peaks[p].push_back(s.peakMb);
        }
    }
    Figures f[2];
    for (int p = 0; p < 2; ++p) {
        f[p] = {median(times[p]), median(peaks[p])};
        std::printf("%-12s median start-up %7.1f ms, median peak memory %6.1f MB (%d runs)\n",
                    p == 0 ? "program" : "baseline", f[p].milliseconds, f[p].peakMb, runs);
    }
    const double ratio = f[0].milliseconds / f[1].milliseconds;
    const double extra = f[0].peakMb - f[1].peakMb;
    const bool met = ratio <= kTimeRatioTarget && extra <= kMemoryTargetMb;
    std::printf("start-up ratio %.2fx (target <= %.2fx), extra peak memory %.1f MB (target <= %.0f "
                "MB): %s\n",
                ratio, kTimeRatioTarget, extra, kMemoryTargetMb, met ? "met" : "NOT met");
    return met ? 0 : 1;
}
