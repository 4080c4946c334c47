// Printing on real queues of a private CUPS scheduler (one that takes the job, one that refuses it, a paused one that
// keeps it, ones whose policy forbids the job or watching it) through the real printer path, not the PDF seam, and
// through the preview's print button.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <QByteArray>
#include <memory>
#include <optional>
#include <utility>
#include <vector>
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "platform/Printer.h"
#include "platform/PrivateScheduler.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

const QString kCannotPrint = QStringLiteral("인쇄할 수 없습니다. 프린터를 확인해 주세요.");

// The program finds its print server and default queue in the environment, as every CUPS client does: the test
// points both at its own scheduler and puts them back afterwards.
class RealPrintQueueTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        for (const char* name : {"CUPS_SERVER", "LPDEST"})
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) value ? qputenv(name, *value) : qunsetenv(name);
        cupsSetServer(nullptr);  // libcups keeps the server it read first; it reads it again after this
        scheduler_.reset();
        ProgramTest::TearDown();
    }
    // Fails the test, saying why, when the scheduler does not answer.
    void startScheduler(const QString& extraConfig = {}) {
        scheduler_ = std::make_unique<PrivateScheduler>(extraConfig);
        ASSERT_EQ(scheduler_->failure(), QString()) << "the test's own CUPS scheduler could not be started";
        qputenv("CUPS_SERVER", scheduler_->server().toLocal8Bit());
        cupsSetServer(nullptr);
    }
    // A queue to /dev/null, enabled and accepting, then put in a state: "cupsreject" or "cupsdisable" runs that
    // program on it, "op-policy NAME" gives it one of the scheduler's operation policies.
    void addQueue(const char* queue, const char* state) {
        const QString name = QString::fromUtf8(queue);
        ASSERT_EQ(scheduler_->addQueue(name), QString());
        const QStringList words = QString::fromUtf8(state).split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) return;
        const QString policy = QStringLiteral("printer-op-policy=") + words.value(1);
        ASSERT_EQ(
            words[0] == QStringLiteral("op-policy")
                ? scheduler_->run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-o"), policy})
                : scheduler_->run(words[0], {name}),
            QString());
    }
    static void makeDefault(const char* queue) { qputenv("LPDEST", queue); }
    int jobs(const char* queue, const char* which) const {
        return scheduler_->jobCount(QString::fromUtf8(queue), QString::fromUtf8(which));
    }

    std::unique_ptr<PrivateScheduler> scheduler_;

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

// Operation policies, as a site sets them, under which the queue still says it takes jobs: creating a job is
// forbidden (nojobs), watching the queue's jobs is (nowatch), or both are (nojobs-nowatch). A policy that denies by
// address would not do: the scheduler always lets local clients in.
const QString kPolicies = QStringLiteral(
    "<Policy nojobs>\n"
    "  <Limit Create-Job Print-Job Print-URI>\n"
    "    Require user no-such-user\n"
    "  </Limit>\n"
    "  <Limit All>\n"
    "  </Limit>\n"
    "</Policy>\n"
    "<Policy nowatch>\n"
    "  <Limit Create-Printer-Subscriptions>\n"
    "    Require user no-such-user\n"
    "  </Limit>\n"
    "  <Limit All>\n"
    "  </Limit>\n"
    "</Policy>\n"
    "<Policy nojobs-nowatch>\n"
    "  <Limit Create-Job Print-Job Print-URI Create-Printer-Subscriptions>\n"
    "    Require user no-such-user\n"
    "  </Limit>\n"
    "  <Limit All>\n"
    "  </Limit>\n"
    "</Policy>\n");

struct QueueCase {
    const char* queue;
    const char* state;           // as addQueue takes it; "": enabled and accepting
    bool printed;                // PrintPage's answer
    int drawn;                   // times the page was drawn
    int jobs;                    // jobs the queue lists afterwards, finished or not
    std::optional<int> waiting;  // of them still waiting, where the queue holds them
};

// Printing fails exactly when the queue creates no job: a queue that refuses jobs fails before the page is drawn; a
// paused queue keeps the job, which is no failure; a job the print system forbids fails, and a queue we may not watch
// is judged by the submission alone.
TEST_F(RealPrintQueueTest, PrintPageFailsExactlyWhenTheQueueCreatesNoJob) {
    ASSERT_NO_FATAL_FAILURE(startScheduler(kPolicies));
    const QueueCase cases[] = {
        {.queue = "accepting", .state = "", .printed = true, .drawn = 1, .jobs = 1, .waiting = {}},
        {.queue = "rejecting", .state = "cupsreject", .printed = false, .drawn = 0, .jobs = 0, .waiting = {}},
        {.queue = "paused", .state = "cupsdisable", .printed = true, .drawn = 1, .jobs = 1, .waiting = 1},
        {.queue = "forbidden", .state = "op-policy nojobs", .printed = false, .drawn = 1, .jobs = 0, .waiting = {}},
        {.queue = "unwatched", .state = "op-policy nowatch", .printed = true, .drawn = 1, .jobs = 1, .waiting = {}},
        {.queue = "both", .state = "op-policy nojobs-nowatch", .printed = false, .drawn = 1, .jobs = 0, .waiting = {}},
    };
    for (const QueueCase& c : cases) ASSERT_NO_FATAL_FAILURE(addQueue(c.queue, c.state));
    for (const QueueCase& c : cases) {
        SCOPED_TRACE(c.queue);
        makeDefault(c.queue);
        int drawn = 0;
        EXPECT_EQ(PrintPage([&](ResultSurface& s) { ++drawn, s.line(20, 20, 100, 20); }), c.printed);
        EXPECT_EQ(drawn, c.drawn);
        EXPECT_EQ(jobs(c.queue, "all"), c.jobs);
        if (c.waiting) {
            EXPECT_EQ(jobs(c.queue, "not-completed"), *c.waiting);
        }
    }
    EXPECT_EQ(messages, QStringList());  // PrintPage itself shows nothing
}

// A scheduler that keeps no finished jobs may forget the job before we look: the job was still created.
TEST_F(RealPrintQueueTest, AJobForgottenOnceFinishedStillCountsAsPrinted) {
    ASSERT_NO_FATAL_FAILURE(startScheduler(QStringLiteral("PreserveJobHistory No")));
    ASSERT_NO_FATAL_FAILURE(addQueue("accepting", ""));
    makeDefault("accepting");
    EXPECT_EQ(PrintPage([](ResultSurface& s) { s.line(20, 20, 100, 20); }), true);
    EXPECT_EQ(scheduler_->errorLog().count(QStringLiteral("Queued on \"accepting\"")), 1);
}

struct PreviewCase {
    const char* queue;
    QStringList messages;
    int jobs;
};

// The preview's print button says once, in the program's words, that a refusing queue printed nothing; a queue that
// takes the page is silent.
TEST_F(RealPrintQueueTest, PreviewSaysOnceWhenTheQueueRefusesThePage) {
    ASSERT_NO_FATAL_FAILURE(startScheduler());
    ASSERT_NO_FATAL_FAILURE(addQueue("accepting", ""));
    ASSERT_NO_FATAL_FAILURE(addQueue("rejecting", "cupsreject"));
    Forms::Get<PreviewForm>().open(PreviewState::CephPage);
    const PreviewCase cases[] = {
        {.queue = "rejecting", .messages = {kCannotPrint}, .jobs = 0},
        {.queue = "accepting", .messages = {}, .jobs = 1},
    };
    for (const PreviewCase& c : cases) {
        SCOPED_TRACE(c.queue);
        makeDefault(c.queue);
        messages.clear();
        click("frmAxPreview", "cmdPrint");
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(jobs(c.queue, "all"), c.jobs);
    }
}

}  // namespace
}  // namespace vt::testing
