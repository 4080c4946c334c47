#include "platform/PrintQueue.h"

#include <cups/cups.h>
#include <cstring>
#include <memory>

namespace vt {

namespace {

// Long enough for any page to be drawn and handed over; the scheduler drops
// a subscription that was not cancelled after this.
constexpr int kWatchLeaseSeconds = 300;

struct IppDelete {
    void operator()(ipp_t* message) const { ippDelete(message); }
};
using Response = std::unique_ptr<ipp_t, IppDelete>;

std::string QueueUri(const std::string& queue) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(
        HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s", queue.c_str());
    return uri;
}

// A request on one queue, from this user, as lp sends it.
ipp_t* QueueRequest(ipp_op_t operation, const std::string& uri) {
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

// Sends a request on the default connection (the one Qt prints on); the
// response only when the scheduler granted it.
Response Send(ipp_t* request) {
    Response response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (response && ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) response.reset();
    return response;
}

bool HasKeyword(ipp_t* message, const char* name, const char* keyword) {
    for (ipp_attribute_t* a = ippFirstAttribute(message); a; a = ippNextAttribute(message)) {
        if (!ippGetName(a) || std::strcmp(ippGetName(a), name) != 0) continue;
        for (int i = 0; i < ippGetCount(a); ++i) {
            const char* value = ippGetString(a, i, nullptr);
            if (value && std::strcmp(value, keyword) == 0) return true;
        }
    }
    return false;
}

}  // namespace

std::string QueueOfPrinter(const std::string& printerName) { return printerName.substr(0, printerName.find('/')); }

bool QueueAcceptsJobs(const std::string& queue) {
    ipp_t* request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, QueueUri(queue));
    ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-is-accepting-jobs");
    const Response response = Send(request);
    if (!response) return false;
    ipp_attribute_t* accepting = ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    return !accepting || ippGetBoolean(accepting, 0);
}

bool LastPrintRequestSucceeded() { return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE; }

// The scheduler keeps the events of a subscription whatever it keeps of the
// jobs themselves: a finished job may be gone from the job list at once
// (PreserveJobHistory No), its "job-created" event is not.
JobWatch::JobWatch(const std::string& queue) : uri_(QueueUri(queue)) {
    ipp_t* request = QueueRequest(IPP_OP_CREATE_PRINTER_SUBSCRIPTIONS, uri_);
    ippAddString(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-events", nullptr, "job-created");
    ippAddString(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-pull-method", nullptr, "ippget");
    ippAddInteger(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration", kWatchLeaseSeconds);
    const Response response = Send(request);
    if (!response) return;
    if (ipp_attribute_t* id = ippFindAttribute(response.get(), "notify-subscription-id", IPP_TAG_INTEGER))
        subscription_ = ippGetInteger(id, 0);
}

JobWatch::~JobWatch() {
    if (!subscription_) return;
    ipp_t* request = QueueRequest(IPP_OP_CANCEL_SUBSCRIPTION, uri_);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id", subscription_);
    Send(request);
}

std::optional<bool> JobWatch::jobCreated() const {
    if (!subscription_) return std::nullopt;
    ipp_t* request = QueueRequest(IPP_OP_GET_NOTIFICATIONS, uri_);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-ids", subscription_);
    ippAddBoolean(request, IPP_TAG_OPERATION, "notify-wait", 0);
    const Response response = Send(request);
    if (!response) return std::nullopt;
    return HasKeyword(response.get(), "notify-subscribed-event", "job-created");
}

}  // namespace vt
