#include "parallel/ParallelTasks.h"

#include <algorithm>
#include <atomic>

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/partitioner.h>
#include <tbb/task_arena.h>

void RunParallelTasks(int count, const std::function<void(int)>& task) {
    if (count <= 0)
        return;
    if (count == 1) {
        task(0);
        return;
    }
    // Each thread that joins takes the next index not yet taken, so the tasks start in
    // the order of their indexes and a thread that is done early takes the next one;
    // a caller that puts its longest tasks first gets them spread over the threads.
    // (Splitting the range would hand one thread a whole run of tasks at once.)
    std::atomic<int> next = 0;
    const int workers = std::min(count, ParallelTaskSlots());
    tbb::parallel_for(
        tbb::blocked_range<int>(0, workers, 1),
        [&](const tbb::blocked_range<int>& range) {
            for (int w = range.begin(); w != range.end(); ++w)
                for (int i = next++; i < count; i = next++)
                    task(i);
        },
        tbb::simple_partitioner());
}

int ParallelTaskSlots() {
    const int slots = tbb::this_task_arena::max_concurrency();
    return slots > 1 ? slots : 1;
}
