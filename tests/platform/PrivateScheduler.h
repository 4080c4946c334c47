#pragma once
// A CUPS scheduler of the test's own: configuration, spool, state and logs in
// a temporary folder, listening on a socket there, so that a test prints on
// real queues without touching the machine's. Runs as root or as an ordinary
// user alike.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vt::testing {

class PrivateScheduler {
public:
    // Starts cupsd and waits until it answers; extraConfig is added to its
    // cupsd.conf.
    explicit PrivateScheduler(const QString& extraConfig = {});
    ~PrivateScheduler();
    PrivateScheduler(const PrivateScheduler&) = delete;
    PrivateScheduler& operator=(const PrivateScheduler&) = delete;

    // Why the scheduler is not answering (with its log); empty when it is.
    const QString& failure() const { return failure_; }
    // The value of CUPS_SERVER that reaches it.
    QString server() const { return dir_.filePath(QStringLiteral("cups.sock")); }

    // Runs a CUPS client program against this scheduler; empty when it
    // succeeded, else what it said.
    QString run(const QString& program, const QStringList& arguments) const;
    // A queue that prints to /dev/null, enabled and accepting jobs.
    QString addQueue(const QString& name) const;
    // The jobs lpstat lists on a queue, for "all" or "not-completed".
    int jobCount(const QString& queue, const QString& which) const;
    // The end of the scheduler's logs, for failure messages.
    QString log() const;
    // The scheduler's whole error log.
    QString errorLog() const;

private:
    QString output(const QString& program, const QStringList& arguments, int* exitCode) const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString failure_;
};

}  // namespace vt::testing
