#include "support/resident_memory.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace tesmira::test {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

}  // namespace tesmira::test
