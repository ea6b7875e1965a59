#pragma once
// Timing shared by the benchmarks: medians of ours against a baseline in the same run, and the
// one line each figure prints ("bench NAME ours=S baseline=S ratio=R").

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace benchtiming
{

inline double seconds(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Alternates the two so both meet the same cache state, after `warmups` untimed rounds; returns
// the medians (ours, baseline).
inline std::pair<double, double> medians(
    int runs, const std::function<void()> &ours, const std::function<void()> &baseline, int warmups = 1)
{
    std::vector<double> a, b;
    for (int i = 0; i < warmups; ++i) {
        ours();
        baseline();
    }
    for (int i = 0; i < runs; ++i) {
        a.push_back(seconds(ours));
        b.push_back(seconds(baseline));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return { a[a.size() / 2], b[b.size() / 2] };
}

inline void report(const char *name, std::pair<double, double> m)
{
    std::printf("bench %s ours=%.9f baseline=%.9f ratio=%.3f\n", name, m.first, m.second, m.first / m.second);
    std::fflush(stdout);
}

} // namespace benchtiming
