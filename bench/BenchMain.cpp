// The benchmarks run in one process with a QApplication, off screen unless
// told otherwise; their counters (the ratios first of all) print as columns.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<char*> args(argv, argv + argc);
    char tabular[] = "--benchmark_counters_tabular=true";
    bool asked = false;
    for (char* arg : args) asked = asked || std::strncmp(arg, "--benchmark_counters_tabular", 28) == 0;
    if (!asked) args.push_back(tabular);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
