#include "Ratio.h"

#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

namespace bench {
namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

void RatioToBare(benchmark::State& state, const std::function<void()>& work, const std::function<void()>& bare) {
    RatioToBare(state, Steps{{}, work, {}}, bare);
}

void RatioToBare(benchmark::State& state, const Steps& steps, const std::function<void()>& bare) {
    std::vector<double> workTimes, bareTimes;
    bool workFirst = true;
    for (auto _ : state) {
        if (!workFirst) bareTimes.push_back(Seconds(bare));
        if (steps.setup) steps.setup();
        workTimes.push_back(Seconds(steps.work));
        if (steps.settle) steps.settle();
        if (workFirst) bareTimes.push_back(Seconds(bare));
        state.SetIterationTime(workTimes.back());
        workFirst = !workFirst;
    }
    const double workMedian = Median(workTimes), bareMedian = Median(bareTimes);
    state.counters["work_ms"] = workMedian * 1e3;
    state.counters["bare_ms"] = bareMedian * 1e3;
    state.counters["ratio"] = bareMedian > 0 ? workMedian / bareMedian : 0;
}

void PressAgainstBareSave(benchmark::State& state,
                          const std::function<void()>& press,
                          const std::vector<QImage>& pages) {
    QTemporaryDir dir;
    RatioToBare(state, press, [&] {
        for (std::size_t i = 0; i < pages.size(); ++i)
            if (!pages[i].save(dir.filePath(QStringLiteral("page%1.png").arg(i)), "PNG"))
                state.SkipWithError("the bare save failed");
    });
}

}  // namespace bench
