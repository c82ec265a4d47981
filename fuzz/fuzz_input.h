#pragma once
// What every fuzz target shares: the input as a text, and a stopwatch that
// reports an input taking over 100 ms as slow (libFuzzer's own time-out
// counts whole seconds only). scripts/fuzz counts the reports.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace tesmira::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

class SlowInputWatch {
public:
    SlowInputWatch() : started_(std::chrono::steady_clock::now()) {}
    ~SlowInputWatch() {
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started_);
        if (took.count() > 100)
            std::fprintf(stderr, "SLOW INPUT: %lld ms\n", static_cast<long long>(took.count()));
    }

private:
    std::chrono::steady_clock::time_point started_;
};

// Stops the run as a crash would, so that libFuzzer keeps the input.
inline void require(bool property, const char* what) {
    if (!property) {
        std::fprintf(stderr, "PROPERTY BROKEN: %s\n", what);
        __builtin_trap();
    }
}

}  // namespace tesmira::fuzz
