// veltrane_fuzz [--seed N] [--count N] [--trace]: runs the program's own fuzz driver
// for N actions from the seed, in a temporary home folder. Exits 1 and prints
// the broken promise and the actions before it when a check fails.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ProgramFuzzer.h"

int main(int argc, char** argv) {
    unsigned long long seed = 1;
    long count = 1000;
    bool trace = false;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--trace")) trace = true;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--seed"))
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--count"))
            count = std::strtol(argv[i + 1], nullptr, 10);
    }
    // A home of its own, with the configuration folder inside it so that a
    // settings file would show as a file outside the patient folder.
    QTemporaryDir root;
    if (!root.isValid()) return 2;
    const QString home = root.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath(QStringLiteral("cache"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about what the driver provokes on purpose ("libpng error:
    // Write Error" on a full disk) drown the report; --trace keeps them.
    if (!trace)
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        });
    QApplication app(argc, argv);

    bool passed;
    {
        vt::fuzz::ProgramFuzzer fuzzer(seed, home);
        fuzzer.setTrace(trace);
        passed = fuzzer.run(count);
        if (!passed)
            std::fprintf(
                stderr, "fuzz seed %llu: %s\n", seed, fuzzer.report().toUtf8().replace('\0', "\\0").constData());
        else
            std::printf(
                "fuzz seed %llu: %ld actions, %ld patients, %ld files written, %ld failed writes reported; "
                "every check held\n",
                seed,
                count,
                fuzzer.patients(),
                fuzzer.filesWritten(),
                fuzzer.failuresReported());
    }
    return passed ? 0 : 1;
}
