#pragma once
// Wall times of repeated runs, summed up as the benchmarks report them.

#include <algorithm>
#include <chrono>
#include <vector>

struct Times {
    double min, median;
};

inline Times MinAndMedian(std::vector<double> t)
{
    std::sort(t.begin(), t.end());
    const size_t n = t.size();
    return {t.front(), n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2};
}

template <typename F> double WallTime(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
