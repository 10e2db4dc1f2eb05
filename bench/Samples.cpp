#include "Samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

double Samples::percentile(double share) const {
    if (values.empty()) {
        return 0;
    }
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

double Samples::mean() const {
    if (values.empty()) {
        return 0;
    }
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Samples::min() const {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

void printFigure(const std::string& name, const Samples& samples, const std::string& unit,
                 const std::string& note) {
    std::printf("%s: median=%.3f p99=%.3f mean=%.3f min=%.3f %s (n=%d%s%s)\n", name.c_str(),
                samples.median(), samples.percentile(0.99), samples.mean(), samples.min(),
                unit.c_str(), samples.count(), note.empty() ? "" : ", ", note.c_str());
    std::fflush(stdout);
}
