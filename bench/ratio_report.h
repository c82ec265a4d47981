#pragma once
// Runs the registered benchmarks and prints one line per figure: a measured
// case as a ratio to its reference, both measured in the same run.

#include <string>
#include <vector>

namespace tesmira::bench {

struct Figure {
    std::string label;      // what the line reports
    std::string measured;   // benchmark name
    std::string reference;  // benchmark name
    double goal;            // the ratio aimed for
};

int runAndReport(int argc, char** argv, const std::vector<Figure>& figures);

}  // namespace tesmira::bench
