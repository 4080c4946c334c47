// Start-up: the program from process start to its start form's first paint
// and exit, against a Qt program that shows one window with one label and
// exits after its first paint. Each run is a fresh process (dynamic loading,
// QApplication, the window shown and painted), the two alternating; once
// off screen and once on an X display.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "Ratio.h"

extern char** environ;

namespace {

using Environment = std::map<std::string, std::string>;

// The start-up executables are built beside the benchmark.
std::string Sibling(const char* name) {
    return (QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name)).toStdString();
}

// Spawns `argv` with this process's environment, `overrides` replacing
// variables of the same name; its output goes to /dev/null (Qt's and the X
// server's warnings would fill the report). Returns the child's id, or -1.
pid_t Spawn(const std::vector<std::string>& argv, const Environment& overrides) {
    Environment merged;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos) merged.emplace(entry.substr(0, eq), entry.substr(eq + 1));
    }
    for (const auto& [name, value] : overrides) merged[name] = value;
    std::vector<std::string> entries;
    for (const auto& [name, value] : merged) entries.push_back(name + '=' + value);
    std::vector<char*> envp, args;
    for (std::string& entry : entries) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (std::string& arg : argvCopy) args.push_back(arg.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Runs the executable to its end; false when it cannot start or fails.
bool Run(const std::string& path, const Environment& overrides) {
    const pid_t pid = Spawn({path}, overrides);
    if (pid < 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The X display to start on: $DISPLAY, else an Xvfb of our own, started on
// first use and stopped when the benchmarks end.
class XDisplay {
public:
    static XDisplay& Get() {
        static XDisplay display;
        return display;
    }
    // Empty when there is none; `why` then says so.
    const std::string& name() const { return name_; }
    const std::string& why() const { return why_; }

    ~XDisplay() {
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
    }

private:
    XDisplay() {
        if (const char* display = std::getenv("DISPLAY"); display && *display) {
            name_ = display;
            return;
        }
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            why_ = "no X display: DISPLAY is not set and there is no Xvfb";
            return;
        }
        // Xvfb picks a free display and writes its number to the pipe, whose
        // write end it inherits.
        int fds[2];
        if (pipe(fds) != 0) {
            why_ = "no X display: no pipe for Xvfb";
            return;
        }
        fcntl(fds[0], F_SETFD, FD_CLOEXEC);
        server_ = Spawn({xvfb.toStdString(),
                         "-displayfd",
                         std::to_string(fds[1]),
                         "-screen",
                         "0",
                         "1280x1024x24",
                         "-nolisten",
                         "tcp"},
                        {});
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (server_ < 0 || number.empty()) {
            why_ = "no X display: Xvfb did not start";
            return;
        }
        name_ = ':' + number;
    }

    std::string name_, why_;
    pid_t server_ = -1;
};

void StartUpAgainstLabel(benchmark::State& state, const Environment& platform) {
    const std::string program = Sibling("veltrane_startup"), label = Sibling("veltrane_startup_label");
    // One untimed run of each loads the libraries and fonts into the page
    // cache, as for any program started a second time.
    if (!Run(program, platform) || !Run(label, platform)) {
        state.SkipWithError("a start-up run failed (are veltrane_startup and veltrane_startup_label built?)");
        return;
    }
    bool failed = false;
    bench::RatioToBare(
        state, [&] { failed = !Run(program, platform) || failed; }, [&] { failed = !Run(label, platform) || failed; });
    if (failed) state.SkipWithError("a start-up run failed");
    double load[1] = {0};
    if (getloadavg(load, 1) == 1) state.counters["load"] = load[0];
}

void BM_StartUp_Offscreen(benchmark::State& state) { StartUpAgainstLabel(state, {{"QT_QPA_PLATFORM", "offscreen"}}); }
BENCHMARK(BM_StartUp_Offscreen)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void BM_StartUp_X(benchmark::State& state) {
    const XDisplay& display = XDisplay::Get();
    if (display.name().empty()) {
        state.SkipWithError(display.why().c_str());
        return;
    }
    StartUpAgainstLabel(state, {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display.name()}});
}
BENCHMARK(BM_StartUp_X)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace
