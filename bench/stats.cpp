#include "stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace ptrbench {

namespace {
double NearestRank(const std::vector<double> &sorted, double percent) {
    const size_t rank = static_cast<size_t>(std::ceil(percent / 100.0 * static_cast<double>(sorted.size())));
    return sorted[rank == 0 ? 0 : rank - 1];
}
}  // namespace

Summary Summarize(std::vector<double> samples, size_t lost) {
    Summary s;
    s.lost = lost;
    s.count = samples.size();
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    s.median = NearestRank(samples, 50);
    s.p99 = NearestRank(samples, 99);
    s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    s.min = samples.front();
    s.max = samples.back();
    return s;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace ptrbench
