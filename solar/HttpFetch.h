#pragma once

#include <atomic>
#include <string>

/// What one HTTP(S) GET came to: the body, or a message for the user.
struct HttpFetchResult {
    std::string body;
    std::string error; ///< empty on success, e.g. "the server answered HTTP 500"
    bool cancelled = false;
    bool Ok() const { return error.empty(); }
};

/// Fetches `url` (http or https only, at most 3 redirects) with libcurl: a connection
/// and transfer limit of `timeoutSeconds`, a body of at most `maxBytes`, certificates
/// checked. A status other than 2xx, a body cut short, a larger body, no answer in
/// time or no network are errors with a message that says which. `cancel`, when
/// given and set from another thread, stops the transfer within a fraction of a
/// second. Safe to call from any thread.
HttpFetchResult FetchHttp(const std::string& url, long maxBytes, long timeoutSeconds,
                          const std::atomic<bool>* cancel = nullptr);
