#pragma once
// Every figure is a ratio to a bare Qt operation on the same input, timed in
// the same run, alternately with the work, so that both see the same machine
// (other processes come and go).

#include <benchmark/benchmark.h>
#include <QImage>
#include <functional>
#include <vector>

namespace bench {

// Times `work` and `bare` in turn, each first every other iteration. The
// Time column is the work (manual time); the counters give the medians of
// both ("work_ms", "bare_ms") and their "ratio". Use with ->UseManualTime()
// and a fixed number of iterations.
void RatioToBare(benchmark::State& state, const std::function<void()>& work, const std::function<void()>& bare);
// The work as steps: `setup` untimed before it (the state it starts from: a
// film just opened, a zoom toggled), `settle` untimed after it (what it left
// running in the background finished, so that the bare operation does not
// share the machine with it).
struct Steps {
    std::function<void()> setup;
    std::function<void()> work;
    std::function<void()> settle;
};
void RatioToBare(benchmark::State& state, const Steps& steps, const std::function<void()>& bare);

// The yardstick of every page-writing button: Qt's own QImage::save(path,
// "PNG") of the pages it writes.
void PressAgainstBareSave(benchmark::State& state,
                          const std::function<void()>& press,
                          const std::vector<QImage>& pages);

}  // namespace bench
