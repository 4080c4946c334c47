#pragma once
// Asks the print system (CUPS) about one queue: whether it takes jobs now,
// and whether it created one while we printed. Qt hands a job over without
// telling whether the queue took it, so these are the only word we get.

#include <optional>
#include <string>

namespace vt {

// The queue that a printer name prints on ("name/instance" prints on "name").
std::string QueueOfPrinter(const std::string& printerName);

// False when the print system does not know the queue or it refuses new
// jobs; a paused queue still takes them.
bool QueueAcceptsJobs(const std::string& queue);

// Whether the last request this thread sent to the print system succeeded;
// right after a submission, that is the submission's own status.
bool LastPrintRequestSucceeded();

// Records the jobs a queue creates from construction on, until destroyed.
class JobWatch {
public:
    explicit JobWatch(const std::string& queue);
    ~JobWatch();
    JobWatch(const JobWatch&) = delete;
    JobWatch& operator=(const JobWatch&) = delete;

    // Whether the queue created a job since the watch began; nothing when
    // the print system keeps no such record for us.
    std::optional<bool> jobCreated() const;

private:
    std::string uri_;
    int subscription_ = 0;
};

}  // namespace vt
