// Times dealing random levels in process: the first deal after start, which
// builds the solver's tables, the distance table and the table of level
// codes, then later deals of a few step counts and reading their codes.
// Only the first deal of a process is cold, so run the program a few times
// for more than one figure of it.
//
//   bench_deal [RUNS]

#include "model/levelcode.h"
#include "model/randomlevel.h"

#include <QRandomGenerator>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace quill;

namespace {

using Clock = std::chrono::steady_clock;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing {
    double wall = 0;  // milliseconds
    double cpu = 0;   // this thread's processor time, which other programs do not inflate
};

Timing timeOnce(const std::function<void()>& work)
{
    const double cpuStart = threadCpuMs();
    const auto start = Clock::now();
    work();
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(), threadCpuMs() - cpuStart};
}

// Medians of many runs, in microseconds.
Timing medianOf(int runs, const std::function<void()>& work)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        const Timing t = timeOnce(work);
        wall.push_back(t.wall * 1e3);
        cpu.push_back(t.cpu * 1e3);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2001;
    QRandomGenerator random(20240611);

    std::optional<DealtLevel> first;
    const Timing cold = timeOnce([&] { first = dealLevel(60, random); });
    std::printf("first deal (cold: solver, distance table, code table)  %8.3f ms  processor time %8.3f ms\n",
                cold.wall, cold.cpu);
    std::printf("  dealt %s, %d steps\n", qPrintable(first->code), first->steps);

    const DealRange range = dealRange();
    std::printf("steps from %d to %d\n", range.fewest, range.most);
    for (int steps : {range.fewest, 10, 30, 60, 90, range.most}) {
        const Timing t = medianOf(runs, [&] { first = dealLevel(steps, random); });
        std::printf("later deal of %3d steps (%9lld starts)  median %7.2f us  processor time %7.2f us\n", steps,
                    startsWithSteps(steps), t.wall, t.cpu);
    }
    const QString code = first->code;
    const Timing read = medianOf(runs, [&] { (void)readLevelCode(code); });
    std::printf("reading a typed code                   median %7.2f us  processor time %7.2f us\n", read.wall,
                read.cpu);
    return 0;
}
