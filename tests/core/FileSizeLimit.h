#pragma once

#include <csignal>
#include <sys/resource.h>

/// Runs `action` while files may grow to `limit` bytes only, so that writing a bigger
/// file fails part way ("File too large"), as on a full disk. Works for root too.
/// Returns what `action` returns.
template <class Action> auto WithFileSizeLimit(rlim_t limit, Action action) {
    struct Limit {
        rlimit old{};
        void (*oldHandler)(int) = nullptr;
        explicit Limit(rlim_t bytes) {
            getrlimit(RLIMIT_FSIZE, &old);
            oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = old;
            small.rlim_cur = bytes;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        ~Limit() {
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        }
    } scoped(limit);
    return action();
}
