#pragma once
// What every fuzz target shares: the input as a text, and a stopwatch that
// reports an input taking over 100 ms as slow (libFuzzer's own time-out
// counts whole seconds only). scripts/fuzz counts the reports.

#include <time.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tesmira::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The time is the thread's CPU time, so that the machine's other work
// (another build, another fuzzer) cannot make an input look slow. A slow
// input is kept in the directory TESMIRA_FUZZ_FINDINGS names, when it names
// one, to be looked at again.
class SlowInputWatch {
public:
    SlowInputWatch(const std::uint8_t* data, std::size_t size)
        : data_(data), size_(size), started_(threadMilliseconds()) {}
    ~SlowInputWatch() {
        const double took = threadMilliseconds() - started_;
        if (took <= 100)
            return;
        std::fprintf(stderr, "SLOW INPUT: %.0f ms, %zu bytes\n", took, size_);
        if (const char* directory = std::getenv("TESMIRA_FUZZ_FINDINGS")) {
            static int kept = 0;
            const std::string name = std::string(directory) + "/" + program_invocation_short_name +
                                     "-slow-" + std::to_string(++kept);
            if (std::FILE* file = std::fopen(name.c_str(), "wb")) {
                std::fwrite(data_, 1, size_, file);
                std::fclose(file);
            }
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    double started_;

    static double threadMilliseconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    }
};

// Stops the run as a crash would, so that libFuzzer keeps the input.
inline void require(bool property, const char* what) {
    if (!property) {
        std::fprintf(stderr, "PROPERTY BROKEN: %s\n", what);
        __builtin_trap();
    }
}

}  // namespace tesmira::fuzz
