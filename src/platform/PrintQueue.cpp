#include "platform/PrintQueue.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <cstring>
#include <memory>
#include <optional>
#include <type_traits>

namespace vt {

namespace {

// libcups is loaded on the first print, not when the program starts: linked,
// it would load some twenty libraries before the start form shows. Qt's own
// print support loads the same library when it prints, and both share its
// one copy, and so cupsLastError().
struct CupsCalls {
    decltype(&::ippDelete) ippDelete = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::ippGetStatusCode) ippGetStatusCode = nullptr;
    decltype(&::ippFirstAttribute) ippFirstAttribute = nullptr;
    decltype(&::ippNextAttribute) ippNextAttribute = nullptr;
    decltype(&::ippGetName) ippGetName = nullptr;
    decltype(&::ippGetCount) ippGetCount = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetBoolean) ippGetBoolean = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::ippAddInteger) ippAddInteger = nullptr;
    decltype(&::ippGetInteger) ippGetInteger = nullptr;
    decltype(&::ippAddBoolean) ippAddBoolean = nullptr;
};

// Null when the print system's library is not there: then nothing can be
// asked, and Qt, which needs it too, has printed nothing.
const CupsCalls* Cups() {
    static const std::optional<CupsCalls> calls = []() -> std::optional<CupsCalls> {
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) return std::nullopt;
        CupsCalls c;
        bool found = true;
        const auto load = [&](auto& call, const char* name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(dlsym(library, name));
            found = found && call;
        };
        load(c.ippDelete, "ippDelete");
        load(c.httpAssembleURIf, "httpAssembleURIf");
        load(c.ippPort, "ippPort");
        load(c.ippNewRequest, "ippNewRequest");
        load(c.ippAddString, "ippAddString");
        load(c.cupsUser, "cupsUser");
        load(c.cupsDoRequest, "cupsDoRequest");
        load(c.ippGetStatusCode, "ippGetStatusCode");
        load(c.ippFirstAttribute, "ippFirstAttribute");
        load(c.ippNextAttribute, "ippNextAttribute");
        load(c.ippGetName, "ippGetName");
        load(c.ippGetCount, "ippGetCount");
        load(c.ippGetString, "ippGetString");
        load(c.ippFindAttribute, "ippFindAttribute");
        load(c.ippGetBoolean, "ippGetBoolean");
        load(c.cupsLastError, "cupsLastError");
        load(c.ippAddInteger, "ippAddInteger");
        load(c.ippGetInteger, "ippGetInteger");
        load(c.ippAddBoolean, "ippAddBoolean");
        return found ? std::optional(c) : std::nullopt;
    }();
    return calls ? &*calls : nullptr;
}

// Long enough for any page to be drawn and handed over; the scheduler drops
// a subscription that was not cancelled after this.
constexpr int kWatchLeaseSeconds = 300;

struct IppDelete {
    void operator()(ipp_t* message) const { Cups()->ippDelete(message); }
};
using Response = std::unique_ptr<ipp_t, IppDelete>;

std::string QueueUri(const std::string& queue) {
    char uri[HTTP_MAX_URI];
    Cups()->httpAssembleURIf(HTTP_URI_CODING_ALL,
                             uri,
                             sizeof uri,
                             "ipp",
                             nullptr,
                             "localhost",
                             Cups()->ippPort(),
                             "/printers/%s",
                             queue.c_str());
    return uri;
}

// A request on one queue, from this user, as lp sends it.
ipp_t* QueueRequest(ipp_op_t operation, const std::string& uri) {
    ipp_t* request = Cups()->ippNewRequest(operation);
    Cups()->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    Cups()->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, Cups()->cupsUser());
    return request;
}

// Sends a request on the default connection (the one Qt prints on); the
// response only when the scheduler granted it.
Response Send(ipp_t* request) {
    Response response(Cups()->cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (response && Cups()->ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) response.reset();
    return response;
}

bool HasKeyword(ipp_t* message, const char* name, const char* keyword) {
    for (ipp_attribute_t* a = Cups()->ippFirstAttribute(message); a; a = Cups()->ippNextAttribute(message)) {
        if (!Cups()->ippGetName(a) || std::strcmp(Cups()->ippGetName(a), name) != 0) continue;
        for (int i = 0; i < Cups()->ippGetCount(a); ++i) {
            const char* value = Cups()->ippGetString(a, i, nullptr);
            if (value && std::strcmp(value, keyword) == 0) return true;
        }
    }
    return false;
}

}  // namespace

std::string QueueOfPrinter(const std::string& printerName) { return printerName.substr(0, printerName.find('/')); }

bool QueueAcceptsJobs(const std::string& queue) {
    if (!Cups()) return true;  // nothing to ask: Qt finds no printer either
    ipp_t* request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, QueueUri(queue));
    Cups()->ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-is-accepting-jobs");
    const Response response = Send(request);
    if (!response) return false;
    ipp_attribute_t* accepting = Cups()->ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    return !accepting || Cups()->ippGetBoolean(accepting, 0);
}

bool LastPrintRequestSucceeded() { return !Cups() || Cups()->cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE; }

// The scheduler keeps the events of a subscription whatever it keeps of the
// jobs themselves: a finished job may be gone from the job list at once
// (PreserveJobHistory No), its "job-created" event is not.
JobWatch::JobWatch(const std::string& queue) {
    if (!Cups()) return;
    uri_ = QueueUri(queue);
    ipp_t* request = QueueRequest(IPP_OP_CREATE_PRINTER_SUBSCRIPTIONS, uri_);
    Cups()->ippAddString(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-events", nullptr, "job-created");
    Cups()->ippAddString(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-pull-method", nullptr, "ippget");
    Cups()->ippAddInteger(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration", kWatchLeaseSeconds);
    const Response response = Send(request);
    if (!response) return;
    if (ipp_attribute_t* id = Cups()->ippFindAttribute(response.get(), "notify-subscription-id", IPP_TAG_INTEGER))
        subscription_ = Cups()->ippGetInteger(id, 0);
}

JobWatch::~JobWatch() {
    if (!subscription_) return;
    ipp_t* request = QueueRequest(IPP_OP_CANCEL_SUBSCRIPTION, uri_);
    Cups()->ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id", subscription_);
    Send(request);
}

std::optional<bool> JobWatch::jobCreated() const {
    if (!subscription_) return std::nullopt;
    ipp_t* request = QueueRequest(IPP_OP_GET_NOTIFICATIONS, uri_);
    Cups()->ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-ids", subscription_);
    Cups()->ippAddBoolean(request, IPP_TAG_OPERATION, "notify-wait", 0);
    const Response response = Send(request);
    if (!response) return std::nullopt;
    return HasKeyword(response.get(), "notify-subscribed-event", "job-created");
}

}  // namespace vt
