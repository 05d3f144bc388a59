// The minimum and median of a benchmark's timed iterations, which a mean hides.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace browserbench {

class Spread {
public:
    /// Records one iteration's time as the benchmark's manual time, too.
    void Add(benchmark::State& state, double seconds) {
        state.SetIterationTime(seconds);
        m_seconds.push_back(seconds);
    }

    /// Records the time since `start`.
    void AddSince(benchmark::State& state, std::chrono::steady_clock::time_point start) {
        Add(state, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }

    /// Puts "min ms" and "median ms" beside the benchmark's figures.
    void Report(benchmark::State& state) {
        if (m_seconds.empty()) {
            return;
        }
        std::sort(m_seconds.begin(), m_seconds.end());
        state.counters["min ms"] = m_seconds.front() * 1000.0;
        state.counters["median ms"] = m_seconds[m_seconds.size() / 2] * 1000.0;
    }

private:
    std::vector<double> m_seconds;
};

} // namespace browserbench
