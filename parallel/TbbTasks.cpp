#include "parallel/ParallelTasks.h"

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
    // One task per index, so that an idle thread can take any one of them.
    tbb::parallel_for(
        tbb::blocked_range<int>(0, count, 1),
        [&task](const tbb::blocked_range<int>& range) {
            for (int i = range.begin(); i != range.end(); ++i)
                task(i);
        },
        tbb::simple_partitioner());
}

int ParallelTaskSlots() {
    const int slots = tbb::this_task_arena::max_concurrency();
    return slots > 1 ? slots : 1;
}
