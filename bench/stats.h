// Summaries of measured samples.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace ptrbench {

struct Summary {
    size_t count = 0;   // samples measured
    size_t lost = 0;    // attempts whose end was never seen
    double median = 0, p99 = 0, mean = 0, min = 0, max = 0;
};

// Nearest-rank percentiles: the p99 of 1,000 samples is the 990th smallest.
Summary Summarize(std::vector<double> samples, size_t lost = 0);

// "12.34" with the given number of decimals.
std::string Fixed(double value, int decimals = 2);

}  // namespace ptrbench
