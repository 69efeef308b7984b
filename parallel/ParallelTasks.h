#pragma once

#include <functional>

/// Runs task(0), task(1), … task(count − 1) and returns when all of them are done. They
/// may run at the same time on several threads, in any order: each task must write only
/// what no other task reads or writes, and a result must not depend on which thread
/// ran it. Nothing is run for count ≤ 0. An exception a task throws reaches the caller.
///
/// A program chooses the implementation when it is linked: hopscope_parallel_tbb runs
/// the tasks on oneTBB's pool, one pool for the whole process (the prediction, the
/// frequency map and whatever else calls this share it, and a call from inside a task
/// does not start more threads); hopscope_parallel_serial runs them in order on the
/// calling thread, for a program that does too little to pay for starting threads.
void RunParallelTasks(int count, const std::function<void(int)>& task);

/// How many tasks RunParallelTasks may run at the same time: 1 in order, else the
/// threads of the pool (at least 1). For choosing how finely to cut work; a result
/// must never depend on it.
int ParallelTaskSlots();
