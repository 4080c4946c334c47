#include "platform/PrivateScheduler.h"

#include <sys/prctl.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <csignal>

namespace vt::testing {

namespace {

constexpr int kAnswerMs = 30000;  // for the scheduler to answer, and for each client program

// The administration programs sit in sbin, which an ordinary user's PATH may lack.
QString FindProgram(const QString& name) {
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin"}) : onPath;
}

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Tail(const QString& path, int lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return path + QStringLiteral(": not written\n");
    const QStringList all = QString::fromUtf8(file.readAll()).split(u'\n');
    return path + QStringLiteral(":\n") + all.mid(std::max<qsizetype>(0, all.size() - lines)).join(u'\n');
}

// The folder's template: a socket's path has room for about a hundred bytes, so a long temporary folder gives way to
// /tmp.
QString FolderTemplate() {
    const QString name = QStringLiteral("/veltrane-cups-XXXXXX");
    const QString preferred = QDir::tempPath() + name;
    return (preferred + QStringLiteral("/cups.sock")).toLocal8Bit().size() < 100 ? preferred
                                                                                 : QStringLiteral("/tmp") + name;
}

// Everything the scheduler writes stays in the folder; no authentication, so
// that lpadmin works for any user; a failing job never stops its queue.
QString CupsdConf(const QString& root, const QString& extra) {
    return QStringLiteral(
               "Listen %1/cups.sock\n"
               "LogLevel info\n"
               "ErrorPolicy abort-job\n"
               "PreserveJobHistory Yes\n"
               "Browsing No\n"
               "BrowseLocalProtocols none\n"
               "WebInterface No\n"
               "DefaultAuthType None\n"
               "<Location />\n"
               "  Order allow,deny\n"
               "  Allow all\n"
               "</Location>\n"
               "<Policy default>\n"
               "  <Limit All>\n"
               "    Order deny,allow\n"
               "  </Limit>\n"
               "</Policy>\n")
               .arg(root) +
           extra + u'\n';
}

// Every path a scheduler would take from /etc, /var or /run, in the folder.
QString CupsFilesConf(const QString& root) {
    return QStringLiteral(
               "ServerRoot %1\n"
               "RequestRoot %1/spool\n"
               "TempDir %1/tmp\n"
               "CacheDir %1/cache\n"
               "StateDir %1/state\n"
               "ServerKeychain %1/ssl\n"
               "ErrorLog %1/log/error_log\n"
               "AccessLog %1/log/access_log\n"
               "PageLog %1/log/page_log\n"
               "Printcap %1/printcap\n"
               "ServerBin /usr/lib/cups\n"
               "DataDir /usr/share/cups\n")
        .arg(root);
}

}  // namespace

PrivateScheduler::PrivateScheduler(const QString& extraConfig) : dir_(FolderTemplate()) {
    const QString cupsd = FindProgram(QStringLiteral("cupsd"));
    const QString root = dir_.path();
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("no temporary folder: ") + dir_.errorString();
        return;
    }
    if (cupsd.isEmpty()) {
        failure_ = QStringLiteral("cupsd is not installed (scripts/install-deps.sh installs cups-daemon)");
        return;
    }
    // cupsd ends without a word when its temporary folder is missing.
    for (const char* sub : {"spool", "tmp", "cache", "state", "ssl", "log"}) QDir(root).mkpath(QString::fromUtf8(sub));
    if (!WriteText(root + QStringLiteral("/cupsd.conf"), CupsdConf(root, extraConfig)) ||
        !WriteText(root + QStringLiteral("/cups-files.conf"), CupsFilesConf(root))) {
        failure_ = QStringLiteral("cannot write the scheduler's configuration in ") + root;
        return;
    }
    cupsd_.setProgram(cupsd);
    cupsd_.setArguments({QStringLiteral("-f"),
                         QStringLiteral("-c"),
                         root + QStringLiteral("/cupsd.conf"),
                         QStringLiteral("-s"),
                         root + QStringLiteral("/cups-files.conf")});
    // A test that crashes or is killed takes its scheduler with it.
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.setStandardOutputFile(root + QStringLiteral("/log/cupsd.out"));
    cupsd_.start();
    if (!cupsd_.waitForStarted(kAnswerMs)) {
        failure_ = QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
        return;
    }
    // It takes a moment to listen; it answers once lpstat reaches it.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        int exitCode = -1;
        const QString said = output(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &exitCode);
        if (exitCode == 0 && said.contains(QStringLiteral("scheduler is running"))) return;
        if (cupsd_.waitForFinished(50)) {
            failure_ =
                QStringLiteral("cupsd ended with code %1 before answering\n%2").arg(cupsd_.exitCode()).arg(log());
            return;
        }
        if (waited.elapsed() > kAnswerMs) {
            failure_ = QStringLiteral("cupsd did not answer within %1 ms (lpstat: %2)\n%3")
                           .arg(kAnswerMs)
                           .arg(said.trimmed(), log());
            return;
        }
    }
}

PrivateScheduler::~PrivateScheduler() {
    if (cupsd_.state() == QProcess::NotRunning) return;
    cupsd_.terminate();
    if (cupsd_.waitForFinished(10000)) return;
    cupsd_.kill();
    cupsd_.waitForFinished(10000);
}

QString PrivateScheduler::output(const QString& program, const QStringList& arguments, int* exitCode) const {
    *exitCode = -1;
    const QString path = FindProgram(program);
    if (path.isEmpty()) return program + QStringLiteral(" is not installed (cups-client)");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), server());
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // lpstat's words are matched
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    if (!process.waitForFinished(kAnswerMs)) {
        process.kill();
        process.waitForFinished();
        return program + QStringLiteral(" did not finish");
    }
    if (process.exitStatus() == QProcess::NormalExit) *exitCode = process.exitCode();
    return QString::fromLocal8Bit(process.readAll());
}

QString PrivateScheduler::run(const QString& program, const QStringList& arguments) const {
    int exitCode = -1;
    const QString said = output(program, arguments, &exitCode);
    if (exitCode == 0) return {};
    return program + u' ' + arguments.join(u' ') + QStringLiteral(" failed (code %1): ").arg(exitCode) + said;
}

QString PrivateScheduler::addQueue(const QString& name) const {
    return run(
        QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-E")});
}

int PrivateScheduler::jobCount(const QString& queue, const QString& which) const {
    int exitCode = -1;
    const QString said =
        output(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), queue}, &exitCode);
    if (exitCode != 0) return -1;
    int count = 0;
    for (const QString& line : said.split(u'\n'))
        if (line.startsWith(queue + u'-')) ++count;
    return count;
}

QString PrivateScheduler::log() const {
    return Tail(dir_.filePath(QStringLiteral("log/cupsd.out")), 10) + u'\n' +
           Tail(dir_.filePath(QStringLiteral("log/error_log")), 30);
}

QString PrivateScheduler::errorLog() const {
    QFile file(dir_.filePath(QStringLiteral("log/error_log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace vt::testing
