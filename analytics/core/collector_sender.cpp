#include "analytics/core/collector_sender.h"

#include <curl/curl.h>

#include <memory>
#include <optional>

#include "analytics/core/diagnostics.h"
#include "analytics/core/request_body.h"
#include "analytics/core/send_status.h"

namespace usage_analytics {

namespace {

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleDeleter>;

size_t CollectBody(char* data, size_t size, size_t count, void* context) {
    static_cast<std::string*>(context)->append(data, size * count);
    return size * count;
}

}  // namespace

CollectorSender::Reply CollectorSender::Send(const std::string& body) const {
    const EasyHandle handle(curl_easy_init());
    if (!handle) {
        const std::string text = "Couldn't initialize curl handle";
        ReportError(text + "\n");
        return {0, text};
    }
    CURL* curl = handle.get();
    Reply reply;
    curl_easy_setopt(curl, CURLOPT_URL, serverUrl_.c_str());
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent);
    // The collector's certificate is not checked: the batches hold no
    // secrets and the SDK must work behind intercepting proxies.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, kRequestTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);

    const CURLcode result = curl_easy_perform(curl);
    if (result != CURLE_OK) return {0, curl_easy_strerror(result)};
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    return reply;
}

bool CollectorSender::Post(const std::string& batch) const {
    const std::optional<std::string> body = BuildRequestBody(batch);
    if (!body) return false;
    const Reply reply = Send(*body);
    const bool ok = reply.status == 200;
    if (!ok) {
        ReportToDebugger("[analytics] UsageAnalytics SDK send failed");
        ReportError("UsageAnalytics SDK send failed: " + reply.body + "\n");
    }
    SetLastSendOk(ok);
    return ok;
}

}  // namespace usage_analytics
