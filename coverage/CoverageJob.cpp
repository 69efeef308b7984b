#include "coverage/CoverageJob.h"

CoverageDayJob::CoverageDayJob(CoverageRequest request, int firstHalfHour, Deliver deliver) {
    m_thread = std::thread([this, request = std::move(request), firstHalfHour,
                            deliver = std::move(deliver)]() mutable {
        request.halfHours = {firstHalfHour};
        auto first = std::make_shared<const CoverageMap>(ComputeCoverage(request, &m_cancel));
        if (m_cancel)
            return;
        deliver(first, false);
        if (!first->ok)
            return;
        request.halfHours = CoverageDayHalfHours(request.engine.engine);
        auto day = std::make_shared<const CoverageMap>(ComputeCoverage(request, &m_cancel));
        if (!m_cancel && day->complete)
            deliver(day, true);
    });
}

CoverageDayJob::~CoverageDayJob() {
    m_cancel = true;
    Wait();
}

void CoverageDayJob::Wait() {
    if (m_thread.joinable())
        m_thread.join();
}
