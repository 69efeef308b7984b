#include "solar/HttpFetch.h"

#include "core/Utf8Text.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {

struct Transfer {
    std::string url;
    std::string body;
    long maxBytes = 0;
    bool tooLarge = false;
    char curlError[CURL_ERROR_SIZE] = {};
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl{nullptr, &curl_easy_cleanup};
};

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (transfer->body.size() + bytes > static_cast<std::size_t>(transfer->maxBytes)) {
        transfer->tooLarge = true;
        return 0; // stops the transfer
    }
    transfer->body.append(data, bytes);
    return bytes;
}

/// Where the authority of an address ("user:password@host:port") starts and ends.
std::pair<std::size_t, std::size_t> AuthorityOf(std::string_view url) {
    const std::size_t scheme = url.find("://");
    const std::size_t from = scheme == std::string_view::npos ? 0 : scheme + 3;
    const std::size_t to = std::min(url.find_first_of("/?#", from), url.size());
    return {from, to};
}

/// The "user:password@" of an address, or "".
std::string_view UserInfoOf(std::string_view url) {
    const auto [from, to] = AuthorityOf(url);
    const std::size_t at = url.substr(from, to - from).rfind('@');
    return at == std::string_view::npos ? std::string_view() : url.substr(from, at + 1);
}

/// A message of the network library as it may be shown: without the address's
/// user name and password, control characters as "?".
std::string DetailForDisplay(std::string detail, std::string_view url) {
    const std::string_view userInfo = UserInfoOf(url);
    if (!userInfo.empty())
        for (std::size_t at; (at = detail.find(userInfo)) != std::string::npos;)
            detail.erase(at, userInfo.size());
    return WithoutControlCharacters(detail);
}

void Prepare(Transfer& transfer, long timeLimitMs) {
    CURL* c = transfer.curl.get();
    curl_easy_setopt(c, CURLOPT_URL, transfer.url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, timeLimitMs);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, timeLimitMs);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(transfer.maxBytes));
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, ""); // any encoding curl can decode
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Hopscope");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, transfer.curlError);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
}

std::string LimitText(long timeLimitMs) {
    const long seconds = (timeLimitMs + 999) / 1000;
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

HttpFetchResult Outcome(Transfer& transfer, CURLcode code, long timeLimitMs) {
    HttpFetchResult result;
    const std::string host = HostForDisplay(transfer.url);
    const std::string detail = DetailForDisplay(
        transfer.curlError[0] ? transfer.curlError : curl_easy_strerror(code), transfer.url);
    const std::string tooLarge = "the file from " + host + " is larger than " +
                                 std::to_string(transfer.maxBytes / (1024 * 1024)) + " MB";
    long status = 0;
    curl_easy_getinfo(transfer.curl.get(), CURLINFO_RESPONSE_CODE, &status);
    switch (code) {
    case CURLE_OK:
        if (status < 200 || status > 299)
            result.error = host + " answered HTTP " + std::to_string(status);
        else
            result.body = std::move(transfer.body);
        return result;
    case CURLE_FILESIZE_EXCEEDED:
        result.error = tooLarge;
        return result;
    case CURLE_WRITE_ERROR:
        if (transfer.tooLarge) {
            result.error = tooLarge;
            return result;
        }
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        result.unreachable = true;
        result.error =
            "cannot reach " + host + " (no network, or the server is down: " + detail + ")";
        return result;
    case CURLE_OPERATION_TIMEDOUT:
        result.unreachable = true;
        result.error = host + " did not answer within " + LimitText(timeLimitMs);
        return result;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        result.error = "the transfer from " + host + " was cut short (" + detail + ")";
        return result;
    default:
        break;
    }
    result.error = "fetching from " + host + " failed: " + detail;
    return result;
}

} // namespace

std::string UrlForDisplay(std::string_view url) {
    const std::string_view userInfo = UserInfoOf(url);
    std::string shown(url);
    if (!userInfo.empty())
        shown.erase(static_cast<std::size_t>(userInfo.data() - url.data()), userInfo.size());
    return WithoutControlCharacters(shown);
}

std::string HostForDisplay(std::string_view url) {
    const auto [from, to] = AuthorityOf(url);
    const std::string_view authority = url.substr(from, to - from);
    return WithoutControlCharacters(authority.substr(UserInfoOf(url).size()));
}

std::vector<HttpFetchResult> FetchHttpAll(const std::vector<std::string>& urls, long maxBytes,
                                          long timeLimitMs, const std::atomic<bool>* cancel) {
    static std::once_flag initOnce;
    std::call_once(initOnce, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    std::vector<HttpFetchResult> results(urls.size());
    std::vector<bool> done(urls.size(), false);
    const std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> multi(curl_multi_init(),
                                                                      &curl_multi_cleanup);
    std::vector<std::unique_ptr<Transfer>> transfers;
    for (const std::string& url : urls) {
        auto transfer = std::make_unique<Transfer>();
        transfer->url = url;
        transfer->maxBytes = maxBytes;
        transfer->curl.reset(curl_easy_init());
        transfers.push_back(std::move(transfer));
    }
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        Transfer& transfer = *transfers[i];
        if (!multi || !transfer.curl) {
            results[i].error = "the network library could not start";
            done[i] = true;
            continue;
        }
        Prepare(transfer, std::max(timeLimitMs, 1L));
        curl_multi_add_handle(multi.get(), transfer.curl.get());
    }
    bool cancelled = false;
    for (int running = 1; multi && running > 0;) {
        if (cancel && cancel->load()) {
            cancelled = true;
            break;
        }
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK)
            break;
        int messages = 0;
        while (CURLMsg* message = curl_multi_info_read(multi.get(), &messages)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            for (std::size_t i = 0; i < transfers.size(); ++i)
                if (transfers[i]->curl.get() == message->easy_handle) {
                    results[i] = Outcome(*transfers[i], message->data.result, timeLimitMs);
                    done[i] = true;
                }
        }
        if (running > 0)
            curl_multi_poll(multi.get(), nullptr, 0, 100, nullptr);
    }
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        if (multi && transfers[i]->curl)
            curl_multi_remove_handle(multi.get(), transfers[i]->curl.get());
        if (done[i])
            continue;
        results[i].cancelled = cancelled;
        results[i].error =
            cancelled ? "cancelled" : "fetching from " + HostForDisplay(urls[i]) + " failed";
    }
    return results;
}

HttpFetchResult FetchHttp(const std::string& url, long maxBytes, long timeoutSeconds,
                          const std::atomic<bool>* cancel) {
    return FetchHttpAll({url}, maxBytes, timeoutSeconds * 1000, cancel).front();
}
