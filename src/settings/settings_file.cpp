#include "settings/settings_file.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace tesmira {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& file) {
    static std::atomic<unsigned> counter{0};
#ifdef _WIN32
    const int processId = _getpid();
#else
    const int processId = getpid();
#endif
    auto name = file.filename();
    name += ".tmp." + std::to_string(processId) + "." + std::to_string(counter++);
    return file.parent_path() / name;
}

bool flushToDisk(std::FILE* stream) {
    if (std::fflush(stream) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(stream)) == 0;
#else
    return fsync(fileno(stream)) == 0;
#endif
}

}  // namespace

std::string readFileOrEmpty(const std::filesystem::path& file) {
    return readFileIfReadable(file).value_or(std::string());
}

std::optional<std::string> readFileIfReadable(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::error_code error;
        const bool missing = !std::filesystem::exists(file, error) && !error;
        return missing ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    // A program killed in the middle of a save leaves its temporary file
    // behind, and a later process may get the same id: another name is taken
    // then, rather than losing the save.
    std::filesystem::path temporary;
    std::FILE* stream = nullptr;
    for (int attempt = 0; stream == nullptr && attempt < 100; ++attempt) {
        temporary = temporaryBeside(file);
        stream = std::fopen(temporary.string().c_str(), "wbx");
        std::error_code error;
        if (stream == nullptr && !std::filesystem::exists(temporary, error)) {
            return false;
        }
    }
    if (stream == nullptr) {
        return false;
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && flushToDisk(stream);
    const bool closed = std::fclose(stream) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temporary, file, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace tesmira
