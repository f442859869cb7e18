// Times the slide solver in process: the optimal solution of the classic
// start with its move list, the whole-space distance table and the full
// analysis. Prints medians of many runs, and the most heap memory each one
// holds at once, counted by replacing the global allocator.
//
//   bench_solver [RUNS]

#include "model/solver.h"

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

using namespace quill;

namespace {

std::size_t heapNow = 0;
std::size_t heapPeak = 0;
constexpr std::size_t kHeader = alignof(std::max_align_t);

}  // namespace

void* operator new(std::size_t size)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    heapNow += size;
    heapPeak = std::max(heapPeak, heapNow);
    return block + kHeader;
}

void operator delete(void* pointer) noexcept
{
    if (!pointer)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    heapNow -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* pointer) noexcept { operator delete(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { operator delete(pointer); }

namespace {

// The most heap memory that `work` holds at once beyond what was held before.
std::size_t heapPeakOf(const std::function<void()>& work)
{
    const std::size_t base = heapNow;
    heapPeak = heapNow;
    work();
    return heapPeak - base;
}

using Clock = std::chrono::steady_clock;

struct Timing {
    double median = 0;     // wall clock
    double best = 0;
    double cpuMedian = 0;  // this thread's processor time, which other programs do not inflate
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Timing timeRuns(int runs, const std::function<void()>& work)
{
    std::vector<double> wall, cpu;
    wall.reserve(runs);
    cpu.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const double cpuStart = threadCpuMs();
        const auto start = Clock::now();
        work();
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], wall.front(), cpu[cpu.size() / 2]};
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(const char* what, const Timing& t)
{
    std::printf("%-32s median %7.3f ms  best %7.3f ms  processor time median %7.3f ms\n", what,
                t.median, t.best, t.cpuMedian);
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 501;
    const Positions classic = {1, 21, 0, 3, 20, 23, 31, 32, 40, 43};

    const long before = peakKilobytes();
    const auto buildStart = Clock::now();
    std::size_t buildHeap = 0;
    const SlideSolver* built = nullptr;
    buildHeap = heapPeakOf([&] { built = new SlideSolver; });
    const double buildMs = std::chrono::duration<double, std::milli>(Clock::now() - buildStart).count();
    const SlideSolver& solver = *built;

    int steps = 0;
    const std::size_t solveHeap = heapPeakOf([&] { steps = solver.solve(classic).steps(); });
    const Timing solveTime = timeRuns(runs, [&] { steps = solver.solve(classic).steps(); });

    int farthest = 0;
    auto table = [&] {
        const std::vector<uint8_t> distance = solver.distanceTable();
        farthest = 0;
        for (uint8_t d : distance)
            if (d != SlideSolver::kUnsolvable)
                farthest = std::max<int>(farthest, d);
    };
    const std::size_t tableHeap = heapPeakOf(table);
    const Timing tableTime = timeRuns(runs, table);

    int groups = 0;
    auto analysis = [&] { groups = solver.analyse().groupCount(); };
    const std::size_t analysisHeap = heapPeakOf(analysis);
    const Timing analysisTime = timeRuns(std::max(1, runs / 5), analysis);
    const long after = peakKilobytes();

    std::printf("positions %d, classic start %d steps, farthest %d steps, %d groups\n",
                solver.positionCount(), steps, farthest, groups);
    std::printf("%-34s %8.3f ms (once)\n", "building the index tables", buildMs);
    report("classic start, with move list", solveTime);
    report("whole-space distance table", tableTime);
    report("distances and groups", analysisTime);
    std::printf("heap: index tables %zu KB; working memory beyond them: solve %zu KB, "
                "distance table %zu KB, analysis %zu KB\n",
                buildHeap / 1024, solveHeap / 1024, tableHeap / 1024, analysisHeap / 1024);
    std::printf("peak resident set grew by %ld KB over the whole run\n", after - before);
    delete built;
    return 0;
}
