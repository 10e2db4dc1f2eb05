#pragma once

#include <string>
#include <vector>

// The measurements of one figure, and the line that reports them.
class Samples {
  public:
    void add(double value) { values.push_back(value); }
    int count() const { return static_cast<int>(values.size()); }

    // Nearest rank: the smallest value that at least share of the values do
    // not exceed (share 0.5 is the median, 0.99 the 99th percentile).
    double percentile(double share) const;
    double median() const { return percentile(0.5); }
    double mean() const;
    double min() const;

  private:
    std::vector<double> values;
};

// Prints "name: median=… p99=… mean=… min=… unit (n=…, note)".
void printFigure(const std::string& name, const Samples& samples, const std::string& unit,
                 const std::string& note = "");
