#include "settings/settings_paths.h"

#include <cstdlib>
#ifdef _WIN32
#include <windows.h>
#endif

#include <system_error>

#include "settings/settings_file.h"
#include "text/gbk_conversion.h"

namespace tesmira {

std::filesystem::path configFilePath(const std::filesystem::path& settingsDirectory) {
    return settingsDirectory / "Config.ini";
}

std::optional<std::filesystem::path> accountFilePath(const std::filesystem::path& settingsDirectory,
                                                     std::string_view accountName,
                                                     std::string_view ending) {
    std::string gbkName(accountName);
    gbkName += ending;
    const std::optional<std::string> utf8Name = utf8FromGbk(gbkName);
    if (!utf8Name) {
        return std::nullopt;
    }
    // UTF-8 never holds an ASCII byte inside a character, so a byte-wise look suffices.
    for (const char c : *utf8Name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return std::nullopt;
        }
    }
#ifdef _WIN32
    return settingsDirectory / std::filesystem::path(gbkName);  // the seller's ANSI code page
#else
    return settingsDirectory / std::filesystem::path(*utf8Name);
#endif
}

std::filesystem::path chooseSettingsDirectory(const std::filesystem::path& programDirectory,
                                              const std::filesystem::path& userDataDirectory) {
    const std::filesystem::path probe = programDirectory / ".tesmira-write-probe";
    if (replaceFile(probe, "")) {
        std::error_code error;
        std::filesystem::remove(probe, error);
        return programDirectory;
    }
    std::error_code error;
    std::filesystem::create_directories(userDataDirectory, error);
    return userDataDirectory;
}

std::filesystem::path programDirectory() {
    std::error_code error;
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, 32768);
    if (length == 0 || length == 32768)
        return {};
    return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
#endif
}

std::filesystem::path userDataDirectory(std::string_view programName) {
    const auto fromEnvironment = [](const char* name) -> std::filesystem::path {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0' ? std::filesystem::path(value)
                                                  : std::filesystem::path();
    };
#ifdef _WIN32
    std::filesystem::path base = fromEnvironment("APPDATA");
#else
    std::filesystem::path base = fromEnvironment("XDG_DATA_HOME");
    if (base.empty() && !fromEnvironment("HOME").empty())
        base = fromEnvironment("HOME") / ".local" / "share";
#endif
    if (base.empty())
        base = std::filesystem::temp_directory_path();
    return base / std::filesystem::path(std::string(programName));
}

}  // namespace tesmira
