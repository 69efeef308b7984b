#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "coverage/Coverage.h"

/// Computes a coverage map in the background on a thread of its own: first the half hour
/// `firstHalfHour` alone (soon ready to show), then the whole day (what the time slider
/// and Play step through without waiting): its 48 half hours with the classic engine,
/// its 24 hours with P.533 (CoverageDayHalfHours). `deliver` runs on that
/// thread with each map as it is ready (wholeDay false, then true); it is not called
/// for a job that was cancelled. Destroying the job cancels it and waits for its thread.
class CoverageDayJob {
public:
    using Deliver = std::function<void(std::shared_ptr<const CoverageMap> map, bool wholeDay)>;

    CoverageDayJob(CoverageRequest request, int firstHalfHour, Deliver deliver);
    ~CoverageDayJob();
    CoverageDayJob(const CoverageDayJob&) = delete;
    CoverageDayJob& operator=(const CoverageDayJob&) = delete;

    /// Blocks until the job is done (both maps delivered or cancelled).
    void Wait();

private:
    std::atomic<bool> m_cancel = false;
    std::thread m_thread;
};
