#include "solar/HttpFetch.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {

struct Transfer {
    std::string body;
    long maxBytes = 0;
    bool tooLarge = false;
    const std::atomic<bool>* cancel = nullptr;
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

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* transfer = static_cast<const Transfer*>(user);
    return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

std::string HostOf(const std::string& url) {
    const std::size_t start = url.find("://");
    const std::size_t from = start == std::string::npos ? 0 : start + 3;
    return url.substr(from, url.find('/', from) - from);
}

} // namespace

HttpFetchResult FetchHttp(const std::string& url, long maxBytes, long timeoutSeconds,
                          const std::atomic<bool>* cancel) {
    static std::once_flag initOnce;
    std::call_once(initOnce, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    HttpFetchResult result;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   &curl_easy_cleanup);
    if (!curl) {
        result.error = "the network library could not start";
        return result;
    }
    Transfer transfer;
    transfer.maxBytes = maxBytes;
    transfer.cancel = cancel;
    char curlError[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeoutSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, timeoutSeconds);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, ""); // any encoding curl can decode
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Hopscope");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, curlError);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Progress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);

    const CURLcode code = curl_easy_perform(c);
    const std::string host = HostOf(url);
    const std::string detail = curlError[0] ? curlError : curl_easy_strerror(code);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    switch (code) {
    case CURLE_OK:
        if (status < 200 || status > 299)
            result.error = host + " answered HTTP " + std::to_string(status);
        else
            result.body = std::move(transfer.body);
        return result;
    case CURLE_ABORTED_BY_CALLBACK:
        result.cancelled = true;
        result.error = "cancelled";
        return result;
    case CURLE_FILESIZE_EXCEEDED:
        result.error = "the file from " + host + " is larger than " +
                       std::to_string(maxBytes / (1024 * 1024)) + " MB";
        return result;
    case CURLE_WRITE_ERROR:
        if (transfer.tooLarge) {
            result.error = "the file from " + host + " is larger than " +
                           std::to_string(maxBytes / (1024 * 1024)) + " MB";
            return result;
        }
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        result.error =
            "cannot reach " + host + " (no network, or the server is down: " + detail + ")";
        return result;
    case CURLE_OPERATION_TIMEDOUT:
        result.error =
            host + " did not answer within " + std::to_string(timeoutSeconds) + " seconds";
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
