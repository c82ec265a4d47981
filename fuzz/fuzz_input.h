#pragma once
// What every fuzz target shares: the input as a text, and a stopwatch that
// reports an input taking over 100 ms as slow (libFuzzer's own time-out
// counts whole seconds only). scripts/fuzz counts the reports.

#include <cerrno>
#include <chrono>
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

// A slow input is kept in the directory TESMIRA_FUZZ_FINDINGS names, when it
// names one, to be looked at again.
class SlowInputWatch {
public:
    SlowInputWatch(const std::uint8_t* data, std::size_t size)
        : data_(data), size_(size), started_(std::chrono::steady_clock::now()) {}
    ~SlowInputWatch() {
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started_);
        if (took.count() <= 100)
            return;
        std::fprintf(stderr, "SLOW INPUT: %lld ms, %zu bytes\n",
                     static_cast<long long>(took.count()), size_);
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
