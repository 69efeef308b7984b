#include "parallel/ParallelTasks.h"

void RunParallelTasks(int count, const std::function<void(int)>& task) {
    for (int i = 0; i < count; ++i)
        task(i);
}

int ParallelTaskSlots() {
    return 1;
}
